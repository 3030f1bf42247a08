// The tapes of the state folder as the windows share it: which of them a
// running window holds, which were left behind, and the lock that tells them
// apart. A window holds its tape's lock (flock on <tape>.lock) for as long as
// it runs; the system lets go of it when the process ends, however it ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallimo {

// The lock of one tape, held by this process while it lives.
class TapeLock {
  public:
    TapeLock() = default;
    ~TapeLock();
    TapeLock(TapeLock&& other) noexcept;
    TapeLock& operator=(TapeLock&& other) noexcept;
    TapeLock(const TapeLock&) = delete;
    TapeLock& operator=(const TapeLock&) = delete;

    // The lock of `tape`, unless someone else holds it (a running window, or
    // one reopening it). The lock file is made when missing; when it cannot
    // be made (a folder that cannot be written), nothing, with the errno in
    // `error_number`, 0 when the lock is simply held elsewhere.
    static std::optional<TapeLock> Take(const std::string& tape, int* error_number = nullptr);

    // Removes the lock file, then lets go of the lock.
    void RemoveAndRelease();

  private:
    int fd_ = -1;
    std::string path_;
};

// "<folder>/grille-7-42.lock" for "<folder>/grille-7-42.dat".
std::string LockPathOf(const std::string& tape);

// The file name of a tape this program (or an earlier version) writes:
// grille-*.dat, grille-en-cours.dat, derniere-grille.dat.
bool IsTapeName(std::string_view name);

// Whether a running window holds the tape (its lock is taken).
bool IsTapeHeld(const std::string& tape);

// The tapes of the folder that no running window holds, newest first (by
// the time of their last write).
std::vector<std::string> LeftTapes(const std::string& folder);

// Removes what dead windows left half done: the temporary files of their
// interrupted writes (".<tape>.<pid>-<n>.tmp"), and lock files whose tape is
// gone. A temporary of an earlier version's tape, which has no lock, is
// removed once it is a minute old. Never touches a running window's files.
void RemoveAbandonedFiles(const std::string& folder);

// A French phrase for why a file could not be written: "permission refusée".
std::string WriteFailureReason(int error_number);

}  // namespace tallimo
