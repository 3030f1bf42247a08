#!/usr/bin/python3
"""Writes intervals.txt, the expected intervals between pairs of days.

Run once with python3-dateutil; the output is committed beside this script.
A line holds: start, end, then the calculator's result: years, months, days
(its second line is years * 12 + months and the same days) and total days.

Years, months and days are found with dateutil's own steps, each one single
step from its start: years = the most k with start + relativedelta(years=k)
<= end, then months = the most m up to 11 with (start + years) +
relativedelta(months=m) <= end, then days = what is left, and the total is the
plain difference of the days.

relativedelta adds years and months in one step, where the calculator's date
mode steps by the years first and then by the months: the two differ only
when the year step clamps 29 February to the 28th. On those lines
relativedelta's years, months and days follow a "#", for the record.
"""
import datetime
import itertools
import pathlib

from dateutil.relativedelta import relativedelta

D = datetime.date


def beyond(day, step, end):
    """Whether day + step passes end (or the last year Python knows)."""
    try:
        return day + step > end
    except ValueError:
        return True


def interval(start, end):
    years = end.year - start.year
    while beyond(start, relativedelta(years=years), end):
        years -= 1
    middle = start + relativedelta(years=years)
    months = 11
    while beyond(middle, relativedelta(months=months), end):
        months -= 1
    days = (end - (middle + relativedelta(months=months))).days
    return years, months, days, (end - start).days


def days_of_interest():
    days = []
    for year in (1999, 2000, 2003, 2004):
        for month, day in ((1, 1), (1, 30), (1, 31), (2, 28), (2, 29), (3, 1), (3, 30),
                           (3, 31), (4, 30), (6, 15), (8, 31), (11, 30), (12, 31)):
            try:
                days.append(D(year, month, day))
            except ValueError:
                pass
    days += [D(100, 1, 1), D(100, 2, 28), D(100, 3, 1), D(104, 2, 29), D(1900, 2, 28),
             D(1900, 3, 1), D(9996, 2, 29), D(9998, 1, 1), D(9999, 6, 15), D(9999, 12, 31)]
    return sorted(days)


def text(day):
    return f"{day.day:02d}/{day.month:02d}/{day.year}"


def main():
    lines = ["# start end years months days total_days (see make_intervals.py)"]
    for start, end in itertools.combinations_with_replacement(days_of_interest(), 2):
        y, m, d, total = interval(start, end)
        r = relativedelta(end, start)
        line = f"{text(start)} {text(end)} {y} {m} {d} {total}"
        if (r.years, r.months, r.days) != (y, m, d):
            line += f"  # dateutil: {r.years} {r.months} {r.days}"
        lines.append(line)
    out = pathlib.Path(__file__).with_name("intervals.txt")
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
