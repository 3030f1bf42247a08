#include "app/tape_keeper.h"

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <utility>

#include "app/kept_tapes.h"
#include "gridwork/calc_file.h"
#include "gridwork/file_io.h"

namespace tallimo {

namespace {

namespace fs = std::filesystem;

// While the tape cannot be written, it is tried again this often, so that
// the window says when keeping works again even without a new change.
constexpr std::chrono::milliseconds kRetryAfterFailure{2000};

// A name no other window takes: the start time, the process, and a count for
// the windows of one process.
QString NewTapeName() {
    static std::atomic<unsigned> count{0};
    return QStringLiteral("grille-%1-%2-%3")
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(::getpid())
        .arg(count.fetch_add(1));
}

}  // namespace

// Shared with the thread, so that a thread still stuck in a write when the
// keeper goes can be left to finish on its own.
struct TapeKeeper::Worker {
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<std::vector<PackedLine>> pending;
    bool busy = false;
    bool stop = false;
    bool finished = false;
    int writes = 0;      // writes done, failed or not
    int last_error = 0;  // errno of the last write, 0 when it worked
    std::string folder;
    std::string path;
    std::optional<TapeLock> lock;  // the worker's alone until it has finished

    std::thread thread;

    // The folder, made private as the state folder should be when this
    // creates it; the tape's lock, taken before its first write; then the
    // file, replaced atomically. The errno of a failure, 0 on success.
    int Write(const std::vector<PackedLine>& lines) {
        std::error_code error;
        if (fs::create_directories(folder, error)) {
            fs::permissions(folder, fs::perms::owner_all, error);
        }
        if (!lock) {
            int failure = 0;
            lock = TapeLock::Take(path, &failure);
            if (!lock) {
                return failure != 0 ? failure : EBUSY;
            }
        }
        const std::string bytes = WriteCalculationFile(lines);
        int failure = 0;
        if (bytes.empty() || !ReplaceFileAtomically(path, bytes, &failure)) {
            return failure != 0 ? failure : EIO;
        }
        return 0;
    }

    void Run() {
        std::unique_lock guard(mutex);
        for (;;) {
            changed.wait(guard, [this] { return pending.has_value() || stop; });
            if (!pending) {
                break;
            }
            std::vector<PackedLine> lines = std::move(*pending);
            pending.reset();
            busy = true;
            guard.unlock();
            const int error = Write(lines);
            lines = {};  // freed outside the lock
            guard.lock();
            busy = false;
            ++writes;
            last_error = error;
            changed.notify_all();
        }
        finished = true;
        changed.notify_all();
    }
};

TapeKeeper::TapeKeeper(LinesSource lines, QObject* parent)
    : TapeKeeper(std::move(lines), Options{}, parent) {}

TapeKeeper::TapeKeeper(LinesSource lines, Options options, QObject* parent)
    : QObject(parent),
      lines_(std::move(lines)),
      options_(std::move(options)),
      folder_(QDir::cleanPath(options_.state_folder.isEmpty() ? DefaultStateFolder()
                                                              : options_.state_folder)),
      name_(NewTapeName()),
      worker_(std::make_shared<Worker>()) {
    worker_->folder = folder_.toStdString();
    worker_->path = CurrentPath().toStdString();
    // What windows that ended before left half done; a few entries to read.
    RemoveAbandonedFiles(worker_->folder);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Dispatch(/*even_if_busy=*/false); });
    poll_.setSingleShot(true);
    connect(&poll_, &QTimer::timeout, this, &TapeKeeper::ReportState);
}

TapeKeeper::~TapeKeeper() {
    timer_.stop();
    poll_.stop();
    if (dirty_) {
        Dispatch(/*even_if_busy=*/true);
    }
    if (worker_->thread.joinable()) {
        std::unique_lock lock(worker_->mutex);
        worker_->stop = true;
        worker_->changed.notify_all();
        const bool finished = worker_->changed.wait_for(lock, options_.exit_wait,
                                                        [this] { return worker_->finished; });
        lock.unlock();
        if (!finished) {
            worker_->thread.detach();  // it holds its own share of the worker
            return;                    // and the tape stays, whatever it holds
        }
        worker_->thread.join();
    }
    if (!worker_->lock) {
        return;  // never written
    }
    // A normal end: a tape that is empty or saved elsewhere is not kept;
    // any other is left, without its lock, for a later window to reopen.
    if (worker_->last_error == 0 && (lines_().empty() || (saved_ && saved_()))) {
        std::error_code ignored;
        fs::remove(worker_->path, ignored);
    }
    worker_->lock->RemoveAndRelease();
}

void TapeKeeper::GridChanged() {
    dirty_ = true;
    ReportState();
    if (timer_.isActive()) {
        return;
    }
    using namespace std::chrono;
    milliseconds delay{0};
    if (last_dispatch_) {
        delay =
            duration_cast<milliseconds>(*last_dispatch_ + options_.interval - steady_clock::now());
    }
    timer_.start(std::max(delay, milliseconds{0}));
}

void TapeKeeper::Dispatch(bool even_if_busy) {
    if (!dirty_) {
        return;
    }
    {
        std::lock_guard lock(worker_->mutex);
        if (!even_if_busy && (worker_->busy || worker_->pending)) {
            // A slow disk: copy the grid once the write in progress is done.
            timer_.start(options_.interval);
            return;
        }
    }
    dirty_ = false;
    last_dispatch_ = std::chrono::steady_clock::now();
    std::vector<PackedLine> lines = lines_();
    if (lines.empty()) {
        return;
    }
    std::lock_guard lock(worker_->mutex);
    worker_->pending = std::move(lines);
    if (!worker_->thread.joinable()) {
        worker_->thread = std::thread([worker = worker_] { worker->Run(); });
    }
    worker_->changed.notify_all();
    poll_.start(std::chrono::milliseconds(100));
}

bool TapeKeeper::FlushNow(std::chrono::milliseconds wait) {
    timer_.stop();
    Dispatch(/*even_if_busy=*/true);
    bool written = true;
    {
        std::unique_lock lock(worker_->mutex);
        const bool idle = worker_->changed.wait_for(
            lock, wait, [this] { return !worker_->pending && !worker_->busy; });
        written = idle && worker_->last_error == 0;
    }
    ReportState();
    return written;
}

void TapeKeeper::ReportState() {
    int error = 0;
    {
        std::lock_guard lock(worker_->mutex);
        if (worker_->busy || worker_->pending) {
            poll_.start(std::chrono::milliseconds(100));
            return;
        }
        if (worker_->writes == 0) {
            return;
        }
        error = worker_->last_error;
    }
    const QString folder = QDir::toNativeSeparators(folder_);
    if (error != 0) {
        // Tried again later, so that the window can say when it works again.
        if (!dirty_) {
            dirty_ = true;
            timer_.start(std::max(options_.interval, kRetryAfterFailure));
        }
        if (!failing_) {
            failing_ = true;
            emit KeepingFailed(
                QStringLiteral("La grille de cette fenêtre ne peut pas être conservée dans le "
                               "dossier « %1 » : %2.\r\nElle le sera de nouveau dès que ce "
                               "dossier pourra être écrit ; d'ici là, enregistrez-la pour ne "
                               "pas la perdre.")
                    .arg(folder, QString::fromStdString(WriteFailureReason(error))));
        }
    } else if (failing_) {
        failing_ = false;
        emit KeepingResumed(
            QStringLiteral("La grille de cette fenêtre est de nouveau conservée dans le dossier "
                           "« %1 ».")
                .arg(folder));
    }
}

QString TapeKeeper::ReopenNewest(const Opener& open) {
    for (const std::string& tape : LeftTapes(worker_->folder)) {
        const QString path = QString::fromStdString(tape);
        if (std::find(tried_.begin(), tried_.end(), path) != tried_.end()) {
            continue;
        }
        // Claimed, so that no other window reopens it too; a lock that cannot
        // even be made (a folder that cannot be written) does not keep the
        // tape from being reopened, only from being removed.
        int error = 0;
        std::optional<TapeLock> claim = TapeLock::Take(tape, &error);
        if (!claim && error == 0) {
            continue;  // another window is taking it
        }
        if (!open(path)) {
            tried_.push_back(path);  // a damaged tape stays where it is
            return {};
        }
        // Its lines are this window's now: once this window's tape holds
        // them, the reopened one leaves the kept set.
        dirty_ = true;
        if (claim && FlushNow()) {
            std::error_code ignored;
            fs::remove(tape, ignored);
            claim->RemoveAndRelease();
        } else {
            tried_.push_back(path);
        }
        std::size_t left = 0;
        for (const std::string& other : LeftTapes(worker_->folder)) {
            left += std::find(tried_.begin(), tried_.end(), QString::fromStdString(other)) ==
                    tried_.end();
        }
        if (left == 0) {
            return {};
        }
        return left == 1 ? QStringLiteral(
                               "Une autre grille conservée reste à rouvrir : choisissez "
                               "de nouveau « Rouvrir la dernière grille ».")
                         : QStringLiteral(
                               "%1 autres grilles conservées restent à rouvrir, de la "
                               "plus récente à la plus ancienne : choisissez de "
                               "nouveau « Rouvrir la dernière grille ».")
                               .arg(left);
    }
    if (failing_) {
        int error = 0;
        {
            std::lock_guard lock(worker_->mutex);
            error = worker_->last_error;
        }
        return QStringLiteral(
                   "Aucune grille conservée n'est à rouvrir.\r\nLa grille de cette "
                   "fenêtre ne peut pas être conservée dans le dossier « %1 » : %2.")
            .arg(QDir::toNativeSeparators(folder_),
                 QString::fromStdString(WriteFailureReason(error)));
    }
    return QStringLiteral(
        "Aucune grille conservée n'est à rouvrir.\r\nUne grille est gardée quand sa fenêtre "
        "s'est arrêtée brutalement, ou a été fermée sans que la grille soit enregistrée ; une "
        "grille rouverte n'est plus proposée.");
}

QString TapeKeeper::CurrentPath() const {
    return QDir(folder_).filePath(name_ + QStringLiteral(".dat"));
}

QString TapeKeeper::DefaultStateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG ignores a relative XDG_STATE_HOME.
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::home().filePath(QStringLiteral(".local/state"));
    }
    return QDir(base).filePath(QStringLiteral("tallimo"));
}

}  // namespace tallimo
