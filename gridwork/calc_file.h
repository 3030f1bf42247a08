// The calculation file: the recorded lines of the grid as Windows-1252 text
// records, the way earlier versions of the program wrote them, so that old
// files open and new files open in old versions.
//
//   "Kestrone Application Virelle"CR LF
//   "1.5.0"CR LF
//   0,"","3","",""CR LF            kind code, Operation, Value, Comment, Decimals
//
// Quoted fields have no escape: a field runs to its closing quote. Texts are
// UTF-8 in memory and converted at this edge only.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grid/calc_line.h"
#include "grid/packed_line.h"

namespace tallimo {

inline constexpr std::string_view kCalculationFileHeader = "Kestrone Application Virelle";
// The version this program writes; any version is read.
inline constexpr std::string_view kCalculationFileVersion = "1.5.0";

enum class FileError {
    None,
    OpenFailed,   // the file could not be opened
    WrongFormat,  // the first record is not the header: not a calculation file
    ReadFailed,   // a calculation file, but unreadable or malformed
    WriteFailed,  // saving failed; the old file, if any, is untouched
    NotFound,     // no such file, or no such folder on its way
    ReadDenied,   // no permission to read the file or to enter its folder
    WriteDenied,  // no permission to write in the folder, or it is read-only
};

// The file's name as messages give it: the last part of its path, its middle
// left out ("…") when it is longer than 60 characters.
std::string DisplayedFileName(std::string_view path);

// The message the user is shown about the file at `path`, which it names;
// empty for None. The messages of a wrong format, a read failure and a write
// failure begin with the program's long-standing sentences.
std::string FileErrorMessage(FileError error, std::string_view path);

// The error of a file that could not be opened, or written, with this errno.
FileError OpenError(int error_number);
FileError WriteError(int error_number);

// The text a field becomes once written and read back: '"' becomes '”' (the
// format has no escape for it), every line break (CR LF, lone CR, lone LF)
// becomes CR LF, and characters Windows-1252 cannot hold, or bytes that are
// not UTF-8, become '?'. Every other character, control characters included,
// is kept.
std::string StorableText(std::string_view text);

// A typed comment made storable: as StorableText, and any other control
// character (a tab, say) becomes a space, since the grid and the printout
// have nothing to show for it. Line breaks stay: printing splits a comment at
// CR LF. Meant to be applied when the comment is confirmed, so that the user
// sees what will be stored.
std::string StorableComment(std::string_view typed);

// The bytes of a file holding these recorded lines (never the open row).
// Every field is written as StorableText makes it, so the file is always
// well formed, and reads back to exactly these lines when their fields are
// storable already and the last Value is a number, "Annulation" or "Erreur!". Empty
// only when the system has no Windows-1252 converter.
std::string WriteCalculationFile(std::span<const CalcLine> lines);
std::string WriteCalculationFile(std::span<const PackedLine> lines);

struct ParsedFile {
    FileError error = FileError::None;
    std::vector<CalcLine> lines;  // empty unless error is None
};

// Checks the whole content before giving anything back, so a caller replaces
// its grid only with a complete, sound set of lines. Accepts, beyond what
// this program writes: any version text, kind codes 4 to 255 (read as
// operation lines), LF-only line ends, a missing final line end, empty lines
// at the end, and a UTF-8 byte-order mark, which marks a file re-saved as
// UTF-8 by an editor and is then decoded as UTF-8. Line breaks inside quoted
// fields are read as CR LF, the form the grid keeps them in. The Value of the
// last line must be a number, "Annulation" or "Erreur!": the calculator goes
// on from it. Zero lines is a valid file.
ParsedFile ParseCalculationFile(std::string_view bytes);

// The same, with the lines as the grid keeps them.
struct PackedFile {
    FileError error = FileError::None;
    std::vector<PackedLine> lines;  // empty unless error is None
};
PackedFile ParseCalculationLines(std::string_view bytes);

// Reads the file, then parses it.
ParsedFile LoadCalculationFile(const std::string& path);
PackedFile LoadCalculationLines(const std::string& path);

// Writes the file with ReplaceFileAtomically: a failure at any point leaves
// the old file as it was.
FileError SaveCalculationFile(const std::string& path, std::span<const CalcLine> lines);
FileError SaveCalculationFile(const std::string& path, std::span<const PackedLine> lines);

}  // namespace tallimo
