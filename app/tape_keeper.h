// Keeps the grid of each window on disk, so that a tape survives the end of
// the program, a crash or a kill, and a later window can open it again.
//
// Every keeper (one per window) writes its own calculation file in the state
// folder ($XDG_STATE_HOME/tallimo, by default ~/.local/state/tallimo):
//   grille-<start>-<pid>.dat    the window's tape, rewritten after its changes;
//   grille-<start>-<pid>.lock   locked (flock) for as long as the window runs.
// No keeper ever writes, renames or deletes the tape of a window that runs.
// A tape whose lock no one holds was left by a window that crashed, was
// killed, or ended with lines never saved: it is kept until a window reopens
// it (kept_tapes.h). The files of earlier versions (grille-en-cours.dat,
// derniere-grille.dat) are kept tapes too. A keeper removes its own tape when
// its window ends normally with the grid empty or saved, and removes, when it
// starts, the temporary files of writes that a dead window left half done.
//
// Writes happen on a worker thread, atomically, at most once per interval:
// the user-interface thread only marks the grid as changed and, when the
// interval has passed, takes one copy of its lines. An empty grid is not
// written: the file keeps the last tape that had lines.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "grid/packed_line.h"

namespace tallimo {

class TapeKeeper : public QObject {
    Q_OBJECT

  public:
    // A copy of the grid's recorded lines (not the open row). Called on the
    // user-interface thread only, at most once per interval, and once more by
    // FlushNow and the destructor: what it reads must outlive the keeper.
    using LinesSource = std::function<std::vector<PackedLine>()>;

    struct Options {
        QString state_folder;  // empty: DefaultStateFolder()
        std::chrono::milliseconds interval{1000};
        std::chrono::milliseconds exit_wait{3000};  // the most the destructor waits
    };

    explicit TapeKeeper(LinesSource lines, QObject* parent = nullptr);
    TapeKeeper(LinesSource lines, Options options, QObject* parent = nullptr);
    // The window's normal end: writes a pending change and waits for it, at
    // most exit_wait (a disk that hangs does not keep the program from
    // ending); then the tape is removed if the grid is empty or saved, and
    // left for a later window otherwise.
    ~TapeKeeper() override;

    // Tells the keeper that the grid has changed. Cheap: no copy, no disk.
    void GridChanged();
    // Whether the grid is the same as a file it was saved to or opened from,
    // asked at the window's normal end. Without it, never.
    void SetSavedCheck(std::function<bool()> saved) { saved_ = std::move(saved); }

    // Writes a pending change now and waits until the worker is idle, at most
    // `wait`. True when everything is on disk.
    bool FlushNow(std::chrono::milliseconds wait = std::chrono::seconds(3));

    // "Rouvrir la dernière grille": the newest tape left by a window that no
    // longer runs, given to `open` (which shows its own message when it
    // refuses the file). Once this window's tape holds the reopened lines,
    // that tape leaves the kept set. Returns what the window should say: why
    // there is nothing to reopen, how many tapes are left, or nothing.
    using Opener = std::function<bool(const QString& path)>;
    QString ReopenNewest(const Opener& open);

    // The file this window writes.
    QString CurrentPath() const;
    QString Folder() const { return folder_; }

    // $XDG_STATE_HOME/tallimo when XDG_STATE_HOME is an absolute path, else
    // ~/.local/state/tallimo.
    static QString DefaultStateFolder();

  signals:
    // On the user-interface thread, once when the tape cannot be written (a
    // folder that cannot be made or written, a full disk), and once when it
    // can be again: French sentences naming the folder (and the reason).
    void KeepingFailed(const QString& message);
    void KeepingResumed(const QString& message);

  private:
    struct Worker;

    void Dispatch(bool even_if_busy);
    void ReportState();

    LinesSource lines_;
    Options options_;
    QString folder_;
    QString name_;  // grille-<start>-<pid>
    QTimer timer_;
    QTimer poll_;  // looks for the outcome of a write in progress
    bool dirty_ = false;
    bool failing_ = false;  // said so, and not yet said that it works again
    std::function<bool()> saved_;
    std::vector<QString> tried_;  // kept tapes this window could not take
    std::optional<std::chrono::steady_clock::time_point> last_dispatch_;
    std::shared_ptr<Worker> worker_;
};

}  // namespace tallimo
