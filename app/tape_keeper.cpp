#include "app/tape_keeper.h"

#include <QDir>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <thread>
#include <utility>

#include "gridwork/calc_file.h"

namespace tallimo {

namespace {

constexpr const char* kCurrentName = "grille-en-cours.dat";
constexpr const char* kLastName = "derniere-grille.dat";

// The folder, made private as the state folder should be when this creates
// it, then the file, replaced atomically.
bool WriteTape(const std::string& folder, const std::string& path,
               const std::vector<CalcLine>& lines) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::create_directories(folder, error)) {
        fs::permissions(folder, fs::perms::owner_all, error);
    }
    return SaveCalculationFile(path, lines) == FileError::None;
}

}  // namespace

// Shared with the thread, so that a thread still stuck in a write when the
// keeper goes can be left to finish on its own.
struct TapeKeeper::Worker {
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<std::vector<CalcLine>> pending;
    bool busy = false;
    bool stop = false;
    bool finished = false;
    bool last_write_failed = false;
    bool ever_failed = false;
    std::string folder;
    std::string path;
    std::thread thread;

    void Run() {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return pending.has_value() || stop; });
            if (!pending) {
                break;
            }
            std::vector<CalcLine> lines = std::move(*pending);
            pending.reset();
            busy = true;
            lock.unlock();
            const bool written = WriteTape(folder, path, lines);
            lines = {};  // freed outside the lock
            lock.lock();
            busy = false;
            last_write_failed = !written;
            ever_failed = ever_failed || !written;
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
      folder_(options_.state_folder.isEmpty() ? DefaultStateFolder() : options_.state_folder),
      worker_(std::make_shared<Worker>()) {
    worker_->folder = QDir::cleanPath(folder_).toStdString();
    worker_->path = CurrentPath().toStdString();
    // The run before left its grid here, or nothing if it changed none. A
    // rename: cheap enough for the start-up, and nothing is lost if it fails.
    (void)std::rename(worker_->path.c_str(), StatePath().toStdString().c_str());
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Dispatch(/*even_if_busy=*/false); });
}

TapeKeeper::~TapeKeeper() {
    timer_.stop();
    if (dirty_) {
        Dispatch(/*even_if_busy=*/true);
    }
    if (!worker_->thread.joinable()) {
        return;
    }
    std::unique_lock lock(worker_->mutex);
    worker_->stop = true;
    worker_->changed.notify_all();
    const bool finished =
        worker_->changed.wait_for(lock, options_.exit_wait, [this] { return worker_->finished; });
    lock.unlock();
    if (finished) {
        worker_->thread.join();
    } else {
        worker_->thread.detach();  // it holds its own share of the worker
    }
}

void TapeKeeper::GridChanged() {
    dirty_ = true;
    ReportFailure();
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
    std::vector<CalcLine> lines = lines_();
    if (lines.empty()) {
        return;
    }
    std::lock_guard lock(worker_->mutex);
    worker_->pending = std::move(lines);
    if (!worker_->thread.joinable()) {
        worker_->thread = std::thread([worker = worker_] { worker->Run(); });
    }
    worker_->changed.notify_all();
}

bool TapeKeeper::FlushNow(std::chrono::milliseconds wait) {
    timer_.stop();
    Dispatch(/*even_if_busy=*/true);
    bool written = true;
    {
        std::unique_lock lock(worker_->mutex);
        const bool idle = worker_->changed.wait_for(
            lock, wait, [this] { return !worker_->pending && !worker_->busy; });
        written = idle && !worker_->last_write_failed;
    }
    ReportFailure();
    return written;
}

void TapeKeeper::ReportFailure() {
    if (failure_reported_) {
        return;
    }
    {
        std::lock_guard lock(worker_->mutex);
        if (!worker_->ever_failed) {
            return;
        }
    }
    failure_reported_ = true;
    emit KeepingFailed(
        QStringLiteral("La dernière grille ne peut pas être conservée dans le dossier « %1 ».")
            .arg(QDir::toNativeSeparators(folder_)));
}

QString TapeKeeper::StatePath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kLastName));
}

QString TapeKeeper::CurrentPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kCurrentName));
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
