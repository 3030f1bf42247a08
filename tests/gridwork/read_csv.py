"""Reads a CSV file the way a spreadsheet user's script would, with Python's
csv module (UTF-8 with its byte-order mark, ';' between fields), and prints
every field as the hexadecimal of its UTF-8 bytes: one row per line, fields
separated by spaces, "-" for an empty field. Exit status 2 when the file does
not start with a byte-order mark."""
import csv
import sys

with open(sys.argv[1], "rb") as raw:
    if not raw.read(3) == b"\xef\xbb\xbf":
        sys.exit(2)

with open(sys.argv[1], newline="", encoding="utf-8-sig") as f:
    for row in csv.reader(f, delimiter=";", strict=True):
        print(" ".join(field.encode("utf-8").hex() or "-" for field in row))
