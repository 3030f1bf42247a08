// The grid as a CSV file for French spreadsheets: UTF-8 with a byte-order
// mark (without it spreadsheets guess a legacy encoding and spoil the
// accents), ";" between fields (the comma is the decimal separator), and the
// number texts as the grid shows them, with their decimal comma.
//
//   "Opération";"Valeur";"Décimales";"Commentaire" header, then one row per line
//
// Rows end in CR LF, as RFC 4180 and the spreadsheets' own CSV files do. A
// field is quoted when it holds ';', '"' or a line break, its quotes doubled.
// A line break inside a comment is written as a lone LF, the break a
// spreadsheet keeps inside a cell. A cancellation line keeps its value
// "Annulation", a text a spreadsheet leaves out of its sums, as the grid and
// the printout show it.
//
// No text cell can be taken for a formula: one that starts with =, +, -, @, a
// tab or a line break (a comment, the operation "=", a value that is not a
// number) is written behind an apostrophe, the spreadsheets' mark of a text.
// The numbers of Valeur and Décimales are written as they are.
#pragma once

#include <span>
#include <string>

#include "grid/calc_line.h"
#include "gridwork/calc_file.h"

namespace tallimo {

// The bytes of the CSV file of these lines (recorded lines only, not the open
// row). Comments lose the padding they are stored behind and their blank
// ends, as the grid and the edit panel show them.
std::string GridToCsv(std::span<const CalcLine> lines);

// Writes GridToCsv(lines) with ReplaceFileAtomically: on failure the file, if
// any, is left as it was, and the error says why (WriteDenied or
// WriteFailed).
FileError ExportCsv(const std::string& path, std::span<const CalcLine> lines);

}  // namespace tallimo
