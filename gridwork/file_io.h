// Reading a whole file, and replacing one so that no failure ever leaves it
// half written.
#pragma once

#include <string>
#include <string_view>

namespace tallimo {

enum class ReadStatus { Ok, OpenFailed, ReadFailed };

struct FileRead {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;     // empty unless Ok
    int error_number = 0;  // the errno of a failure, 0 when unknown
};

// The whole content of a regular file. A file too large for memory is a
// read failure, not an exception.
FileRead ReadWholeFile(const std::string& path);

// Writes the bytes beside the file under a temporary name, flushes them to
// disk and only then renames them over the file, so that a failure at any
// point leaves the old file as it was and no temporary file behind. A
// replaced file keeps its permissions; a symbolic link keeps pointing to the
// file it named, which is the one replaced. False on any failure, with its
// errno in `error_number` when given (0 when there is none).
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           int* error_number = nullptr);

}  // namespace tallimo
