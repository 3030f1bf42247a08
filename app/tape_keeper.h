// Keeps the grid on disk, so that a tape survives the end of the program, a
// crash or a kill, and the next run can open it again on request.
//
// Two calculation files in the state folder ($XDG_STATE_HOME/tallimo, by
// default ~/.local/state/tallimo):
//   grille-en-cours.dat   this run's grid, rewritten after its changes;
//   derniere-grille.dat   the previous run's grid, the one to reopen.
// When a keeper starts, the file of the run before (ended or crashed) becomes
// derniere-grille.dat. So what is reopened is the tape of the last run, even
// once this run has changed its own grid; a run that changes nothing leaves
// the older tape in place.
//
// Writes happen on a worker thread, atomically, at most once per interval:
// the user-interface thread only marks the grid as changed and, when the
// interval has passed, takes one copy of its lines. An empty grid is not
// written: the file keeps the last tape that had lines. Nothing here ever
// deletes a state file.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "grid/calc_line.h"

namespace tallimo {

class TapeKeeper : public QObject {
    Q_OBJECT

  public:
    // A copy of the grid's recorded lines (not the open row). Called on the
    // user-interface thread only, at most once per interval, and once more by
    // FlushNow and the destructor: what it reads must outlive the keeper.
    using LinesSource = std::function<std::vector<CalcLine>()>;

    struct Options {
        QString state_folder;  // empty: DefaultStateFolder()
        std::chrono::milliseconds interval{1000};
        std::chrono::milliseconds exit_wait{3000};  // the most the destructor waits
    };

    explicit TapeKeeper(LinesSource lines, QObject* parent = nullptr);
    TapeKeeper(LinesSource lines, Options options, QObject* parent = nullptr);
    // Writes a pending change and waits for it, at most exit_wait: a disk
    // that hangs does not keep the program from ending.
    ~TapeKeeper() override;

    // Tells the keeper that the grid has changed. Cheap: no copy, no disk.
    void GridChanged();

    // Writes a pending change now and waits until the worker is idle, at most
    // `wait`. True when everything is on disk.
    bool FlushNow(std::chrono::milliseconds wait = std::chrono::seconds(3));

    // The file "Rouvrir la dernière grille" opens: the previous run's grid.
    QString StatePath() const;
    // The file this run writes.
    QString CurrentPath() const;

    // $XDG_STATE_HOME/tallimo when XDG_STATE_HOME is an absolute path, else
    // ~/.local/state/tallimo.
    static QString DefaultStateFolder();

  signals:
    // Once per run, on the user-interface thread, when the grid cannot be
    // written (a folder that cannot be created, a full disk): a French
    // sentence naming the folder.
    void KeepingFailed(const QString& message);

  private:
    struct Worker;

    void Dispatch(bool even_if_busy);
    void ReportFailure();

    LinesSource lines_;
    Options options_;
    QString folder_;
    QTimer timer_;
    bool dirty_ = false;
    bool failure_reported_ = false;
    std::optional<std::chrono::steady_clock::time_point> last_dispatch_;
    std::shared_ptr<Worker> worker_;
};

}  // namespace tallimo
