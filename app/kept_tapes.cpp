#include "app/kept_tapes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <utility>

namespace tallimo {

namespace fs = std::filesystem;

TapeLock::~TapeLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // lets go of the lock
    }
}

TapeLock::TapeLock(TapeLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

TapeLock& TapeLock::operator=(TapeLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

std::optional<TapeLock> TapeLock::Take(const std::string& tape, int* error_number) {
    int ignored = 0;
    int& failure = error_number != nullptr ? *error_number : ignored;
    failure = 0;
    TapeLock lock;
    lock.path_ = LockPathOf(tape);
    lock.fd_ = ::open(lock.path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock.fd_ < 0) {
        // A lock file that exists opens for reading where the folder is
        // read-only; the lock works the same on it.
        failure = errno;
        lock.fd_ = ::open(lock.path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (lock.fd_ < 0) {
            return std::nullopt;
        }
        failure = 0;
    }
    while (::flock(lock.fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return std::nullopt;  // held elsewhere
        }
    }
    return lock;
}

void TapeLock::RemoveAndRelease() {
    if (fd_ >= 0) {
        ::unlink(path_.c_str());
        ::close(fd_);
        fd_ = -1;
    }
}

std::string LockPathOf(const std::string& tape) {
    const std::string_view extension = ".dat";
    if (tape.ends_with(extension)) {
        return tape.substr(0, tape.size() - extension.size()) + ".lock";
    }
    return tape + ".lock";
}

bool IsTapeName(std::string_view name) {
    return (name.starts_with("grille-") && name.ends_with(".dat")) || name == "derniere-grille.dat";
}

bool IsTapeHeld(const std::string& tape) {
    const int fd = ::open(LockPathOf(tape).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;  // no lock file: no window holds it
    }
    int result = 0;
    while ((result = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    const bool held = result != 0;
    ::close(fd);
    return held;
}

std::vector<std::string> LeftTapes(const std::string& folder) {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!IsTapeName(name) || !it->is_regular_file(error)) {
            continue;
        }
        const std::string path = it->path().string();
        if (!IsTapeHeld(path)) {
            found.emplace_back(it->last_write_time(error), path);
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second > b.second;
    });
    std::vector<std::string> tapes;
    for (auto& [time, path] : found) {
        tapes.push_back(std::move(path));
    }
    return tapes;
}

void RemoveAbandonedFiles(const std::string& folder) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (name.starts_with(".") && name.ends_with(".tmp")) {
            // ".<tape>.<pid>-<n>.tmp": the tape is what lies before the last
            // dot of the name less ".tmp".
            const std::string stem = name.substr(1, name.size() - 5);
            const std::size_t dot = stem.rfind('.');
            if (dot == std::string::npos || !IsTapeName(stem.substr(0, dot))) {
                continue;
            }
            const std::string tape_name = stem.substr(0, dot);
            const std::string tape = (fs::path(folder) / tape_name).string();
            const bool earlier_version =
                tape_name == "grille-en-cours.dat" || tape_name == "derniere-grille.dat";
            const bool old = now - it->last_write_time(ignored) > std::chrono::minutes(1);
            if (earlier_version ? old : !IsTapeHeld(tape)) {
                fs::remove(it->path(), ignored);
            }
        } else if (name.starts_with("grille-") && name.ends_with(".lock")) {
            const std::string tape =
                (fs::path(folder) / (name.substr(0, name.size() - 5) + ".dat")).string();
            if (!fs::exists(tape, ignored)) {
                if (std::optional<TapeLock> lock = TapeLock::Take(tape)) {
                    lock->RemoveAndRelease();
                }
            }
        }
    }
}

std::string WriteFailureReason(int error_number) {
    switch (error_number) {
        case EACCES:
        case EPERM:
            return "permission refusée";
        case EROFS:
            return "le disque est en lecture seule";
        case ENOSPC:
        case EDQUOT:
            return "le disque est plein";
        case ENOTDIR:
        case EEXIST:
            return "un fichier porte le nom d'un dossier du chemin";
        case ENOENT:
            return "le dossier n'existe pas";
        case 0:
            return "erreur inconnue";
        default:
            return "erreur système " + std::to_string(error_number);
    }
}

}  // namespace tallimo
