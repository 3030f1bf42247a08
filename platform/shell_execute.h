// Handing a document or a link to the desktop's application for it, with
// the French messages of the shell's failures.
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace tallimo {

class Host;

// Results in the shell's convention: above 32 the document was handed over;
// 32 or less, one of the failure codes below.
inline constexpr int kShellOpened = 42;
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellPathNotFound = 3;
inline constexpr int kShellAccessDenied = 5;
inline constexpr int kShellNoAssociation = 31;

// The French message of a failure code (32 or less).
std::string_view ShellErrorMessage(int code);

// Opens `file` with `operation` ("open" or empty; no other is known here):
// a link with a scheme (mailto:, http:, https:, file:) as it is, anything
// else as a file path, relative to `directory` when it is not absolute.
// `parameters`, `owner` and `show_mode` are accepted for the callers' sake
// and have no effect on this desktop. When `show_errors` is true, a failure
// shows its message with the critical icon. Returns the result code.
int ShellExecuteDoc(Host& host, QWidget* owner, const QString& operation, const QString& file,
                    const QString& parameters, const QString& directory, int show_mode,
                    bool show_errors);

}  // namespace tallimo
