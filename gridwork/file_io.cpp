#include "gridwork/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

namespace tallimo {

namespace {

// write(2) until everything is written.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a save replaces: the one a symbolic link names, so that the link
// survives the rename.
std::string SaveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

// A hidden name beside the target, so that the rename stays within one file
// system and file dialogs do not offer the half-written file.
std::string TemporaryName(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    // Leave room for the suffix within the longest name a folder takes.
    name.resize(std::min<std::size_t>(name.size(), 200));
    return folder + "." + name + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1) + attempt) + ".tmp";
}

void SyncFolderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : target.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The data is safe already; this only hastens the rename to disk.
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {ReadStatus::OpenFailed, {}, errno};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {ReadStatus::OpenFailed, {}, S_ISDIR(st.st_mode) ? EISDIR : 0};
    }
    std::string bytes;
    bool read_all = true;
    try {
        // The size is a hint only: the file may change while it is read.
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                bytes.resize(bytes.size() * 2);
            }
            const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                read_all = got == 0;
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        read_all = false;  // a file far beyond any grid
    }
    ::close(fd);
    if (!read_all) {
        return {ReadStatus::ReadFailed, {}, 0};
    }
    return {ReadStatus::Ok, std::move(bytes), 0};
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, int* error_number) {
    int ignored = 0;
    int& failure = error_number != nullptr ? *error_number : ignored;
    failure = 0;
    if (path.empty()) {
        failure = ENOENT;
        return false;
    }
    const std::string target = SaveTarget(path);

    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            failure = errno;
            return false;
        }
    }
    if (fd < 0) {
        failure = EEXIST;
        return false;
    }

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Not worth failing the save over: the content is what matters.
        (void)::fchmod(fd, old.st_mode & 07777);
    }
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (!written) {
        failure = errno;
    }
    const bool closed = ::close(fd) == 0;
    if (written && !closed) {
        failure = errno;
    }
    if (written && closed && ::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = errno;
        written = false;
    }
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolderOf(target);
    return true;
}

}  // namespace tallimo
