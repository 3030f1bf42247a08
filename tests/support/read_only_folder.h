// A folder made read-only for the duration of a test, root included: root
// ignores permissions, so for it the folder gets the immutable attribute
// (chattr), which refuses every change to it; where the file system has no
// such attribute, Made() is false and the test says it is skipped.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace tallimo::testing {

inline bool SetFolderWritable(const std::string& path, bool writable) {
    if (::geteuid() == 0) {
        const std::string command =
            std::string("chattr ") + (writable ? "-i" : "+i") + " '" + path + "' 2>/dev/null";
        return std::system(command.c_str()) == 0;
    }
    return ::chmod(path.c_str(), writable ? 0755 : 0555) == 0;
}

// Read-only while it lives.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
        made_ = SetFolderWritable(path_, false);
    }
    ~ReadOnlyFolder() { Release(); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Made() const { return made_; }
    void Release() {
        if (made_) {
            SetFolderWritable(path_, true);
            made_ = false;
        }
    }

  private:
    std::string path_;
    bool made_ = false;
};

}  // namespace tallimo::testing
