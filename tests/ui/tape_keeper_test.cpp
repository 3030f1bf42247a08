// Keeping the grid on disk: where, when, how often, and what a later run
// gets back.
#include "app/tape_keeper.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <thread>

#include "gridwork/calc_file.h"
#include "gridwork/file_io.h"
#include "read_only_folder.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::vector<CalcLine> Tape(int count, const std::string& comment = {}) {
    std::vector<CalcLine> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back({i == 0 ? "" : "+", std::to_string(i), comment, "", LineKind::Operation});
    }
    lines.push_back({"=", std::to_string(count * (count - 1) / 2), "", "", LineKind::Result});
    return lines;
}

std::string Path(const QString& path) {
    return path.toStdString();
}

// A grid the tests change, read by the keeper through the source, which
// counts the copies it is asked for.
class Keeping : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tallimo-state-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        folder_ = root_ / "etat" / "tallimo";
    }
    void TearDown() override {
        fs::permissions(root_, fs::perms::owner_all);
        fs::remove_all(root_);
    }

    std::unique_ptr<TapeKeeper> Keeper(std::chrono::milliseconds interval) {
        TapeKeeper::Options options;
        options.state_folder = QString::fromStdString(folder_.string());
        options.interval = interval;
        return std::make_unique<TapeKeeper>(
            [this] {
                ++copies_;
                return PackLines(grid_);
            },
            options);
    }
    void Change(std::vector<CalcLine> lines, TapeKeeper& keeper) {
        grid_ = std::move(lines);
        keeper.GridChanged();
    }
    // The hidden files of the folder: temporaries of writes.
    std::vector<std::string> Strays() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(".")) {
                names.push_back(name);
            }
        }
        return names;
    }
    static ParsedFile Load(const QString& path) { return LoadCalculationFile(Path(path)); }

    // Reopens the newest tape left behind into `into`, as the window does;
    // what the keeper says is added to `said`.
    static QString Reopen(TapeKeeper& keeper, std::vector<CalcLine>& into) {
        return keeper.ReopenNewest([&into](const QString& path) {
            ParsedFile file = LoadCalculationFile(Path(path));
            if (file.error != FileError::None) {
                return false;
            }
            into = std::move(file.lines);
            return true;
        });
    }

    fs::path root_;
    fs::path folder_;
    std::vector<CalcLine> grid_;
    int copies_ = 0;
};

TEST_F(Keeping, ManyChangesWithinTheIntervalMakeOneWriteThenTheLastStateIsWritten) {
    auto keeper = Keeper(60s);
    Change(Tape(1), *keeper);
    QCoreApplication::processEvents();  // the first change after a quiet time goes at once
    ASSERT_TRUE(keeper->FlushNow());
    EXPECT_EQ(copies_, 1);
    EXPECT_EQ(Load(keeper->CurrentPath()).lines, Tape(1));

    for (int i = 2; i < 50; ++i) {
        Change(Tape(i), *keeper);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(copies_, 1) << "the grid was copied again within the interval";
    EXPECT_EQ(Load(keeper->CurrentPath()).lines, Tape(1));
    ASSERT_TRUE(keeper->FlushNow());
    EXPECT_EQ(copies_, 2);
    EXPECT_EQ(Load(keeper->CurrentPath()).lines, Tape(49));
    ASSERT_TRUE(keeper->FlushNow());
    EXPECT_EQ(copies_, 2) << "nothing changed, nothing to write";
}

TEST_F(Keeping, TheDestructorWritesAPendingChange) {
    const std::vector<CalcLine> lines = Tape(3, std::string(kCommentPadding) + "réglé\r\nle 3");
    QString path;
    {
        auto keeper = Keeper(60s);
        path = keeper->CurrentPath();
        Change(Tape(1), *keeper);
        ASSERT_TRUE(keeper->FlushNow());
        Change(lines, *keeper);
    }
    EXPECT_EQ(Load(path).lines, lines);
}

constexpr char kNothingLeft[] =
    "Aucune grille conservée n'est à rouvrir.\r\nUne grille est gardée quand sa fenêtre s'est "
    "arrêtée brutalement, ou a été fermée sans que la grille soit enregistrée ; une grille "
    "rouverte n'est plus proposée.";

// Windows that ended with lines never saved leave their tapes, reopened
// newest first, each once; a window ended with its grid saved or empty
// leaves nothing, and the tape of a running window is never offered.
TEST_F(Keeping, LeftTapesAreReopenedNewestFirstEachOnce) {
    const auto end_with = [this](std::vector<CalcLine> lines, bool saved) {
        auto keeper = Keeper(60s);
        keeper->SetSavedCheck([saved] { return saved; });
        Change(Tape(9), *keeper);
        ASSERT_TRUE(keeper->FlushNow());
        Change(std::move(lines), *keeper);
    };
    end_with(Tape(2), false);
    end_with(Tape(5), true);
    end_with({}, false);
    std::this_thread::sleep_for(20ms);  // a later modification time
    end_with(Tape(3), false);

    auto window = Keeper(60s);
    auto running = Keeper(60s);
    Change(Tape(8), *running);
    ASSERT_TRUE(running->FlushNow());
    EXPECT_EQ(Reopen(*window, grid_),
              "Une autre grille conservée reste à rouvrir : choisissez de nouveau « Rouvrir la "
              "dernière grille ».");
    EXPECT_EQ(grid_, Tape(3));
    EXPECT_EQ(Reopen(*window, grid_), "");
    EXPECT_EQ(grid_, Tape(2));
    EXPECT_EQ(Reopen(*window, grid_), kNothingLeft);
    EXPECT_EQ(grid_, Tape(2));
    // What was reopened is this window's tape now, and only there.
    EXPECT_EQ(Load(window->CurrentPath()).lines, Tape(2));
    EXPECT_EQ(Load(running->CurrentPath()).lines, Tape(8));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4)
        << "the two running windows' tapes and locks";
}

// Two processes, as two windows are: each keeps its own tape while the
// other writes; both killed, both tapes are there to reopen. The child is
// this test program again, running the disabled test below.
TEST_F(Keeping, TwoProcessesKeepingAtOnceLoseNothingWhenBothAreKilled) {
    std::vector<std::unique_ptr<QProcess>> children;
    for (const int count : {4, 6}) {
        auto& child = children.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TALLIMO_KEEPER_FOLDER"),
                           QString::fromStdString(folder_.string()));
        environment.insert(QStringLiteral("TALLIMO_KEEPER_LINES"), QString::number(count));
        child->setProcessEnvironment(environment);
        child->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=KeeperChild.DISABLED_KeepsUntilKilled"),
                      QStringLiteral("--gtest_also_run_disabled_tests")});
        ASSERT_TRUE(child->waitForStarted(10000));
        QByteArray output;
        while (!output.contains("kept")) {
            ASSERT_TRUE(child->waitForReadyRead(20000)) << "the child never kept its tape";
            output += child->readAllStandardOutput();
        }
    }
    // Both running: neither tape is offered to a third window.
    std::vector<CalcLine> reopened;
    auto third = Keeper(60s);
    EXPECT_EQ(Reopen(*third, reopened), kNothingLeft);
    for (auto& child : children) {
        child->kill();
        ASSERT_TRUE(child->waitForFinished(10000));
    }
    // Whichever wrote last comes first.
    std::vector<std::vector<CalcLine>> tapes(2);
    Reopen(*third, tapes[0]);
    EXPECT_EQ(Reopen(*third, tapes[1]), "");
    EXPECT_EQ(Reopen(*third, reopened), kNothingLeft);
    std::sort(tapes.begin(), tapes.end(),
              [](const auto& a, const auto& b) { return a.size() < b.size(); });
    EXPECT_EQ(tapes[0], Tape(4, "          fenêtre 4"));
    EXPECT_EQ(tapes[1], Tape(6, "          fenêtre 6"));
}

// The other window of the test above: keeps writing its tape until killed
// (a minute at most).
TEST(KeeperChild, DISABLED_KeepsUntilKilled) {
    const QString folder = qEnvironmentVariable("TALLIMO_KEEPER_FOLDER");
    const int count = qEnvironmentVariableIntValue("TALLIMO_KEEPER_LINES");
    ASSERT_FALSE(folder.isEmpty());
    TapeKeeper::Options options;
    options.state_folder = folder;
    options.interval = 0ms;
    const std::vector<CalcLine> lines = Tape(count, "          fenêtre " + std::to_string(count));
    TapeKeeper keeper([&lines] { return PackLines(lines); }, options);
    keeper.GridChanged();
    ASSERT_TRUE(keeper.FlushNow());
    std::printf("kept\n");
    std::fflush(stdout);
    for (int i = 0; i < 3000; ++i) {
        keeper.GridChanged();
        keeper.FlushNow();
        std::this_thread::sleep_for(20ms);
    }
}

TEST_F(Keeping, AnEmptyGridDoesNotReplaceTheKeptTape) {
    auto keeper = Keeper(60s);
    Change(Tape(2), *keeper);
    ASSERT_TRUE(keeper->FlushNow());
    Change({}, *keeper);
    ASSERT_TRUE(keeper->FlushNow());
    EXPECT_EQ(Load(keeper->CurrentPath()).lines, Tape(2));
}

TEST_F(Keeping, AReaderNeverSeesAPartFileAndNoTemporaryIsLeft) {
    auto keeper = Keeper(0ms);
    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> partial{0};
    std::thread reader([&] {
        const std::string path = Path(keeper->CurrentPath());
        while (!done) {
            const ParsedFile parsed = LoadCalculationFile(path);
            if (parsed.error == FileError::None) {
                ++reads;
                partial += parsed.lines.size() % 1000 != 1;  // Tape(n) has n + 1 lines
            } else if (parsed.error != FileError::NotFound) {
                ++partial;
            }
        }
    });
    for (int i = 1; i <= 20; ++i) {
        Change(Tape(i * 1000, "          note"), *keeper);
        ASSERT_TRUE(keeper->FlushNow());
    }
    QTRY_VERIFY_WITH_TIMEOUT(reads > 20, 5000);
    done = true;
    reader.join();
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(Load(keeper->CurrentPath()).lines.size(), 20001u);
    EXPECT_EQ(Strays(), std::vector<std::string>{});
}

// A tape of an earlier version that does not read is left where it is, and
// the next older one is offered; the temporary file of a write that a dead
// window left half done is removed at the next start, a running one's never.
TEST_F(Keeping, ADamagedTapeStaysAndAbandonedTemporariesGo) {
    fs::create_directories(folder_);
    const std::string damaged = "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n0,\"\",\"3";
    ASSERT_TRUE(ReplaceFileAtomically((folder_ / "derniere-grille.dat").string(),
                                      WriteCalculationFile(Tape(2))));
    fs::last_write_time(folder_ / "derniere-grille.dat",
                        fs::last_write_time(folder_ / "derniere-grille.dat") - 1h);
    ASSERT_TRUE(ReplaceFileAtomically((folder_ / "grille-en-cours.dat").string(), damaged));

    auto running = Keeper(60s);
    Change(Tape(1), *running);
    ASSERT_TRUE(running->FlushNow());
    const std::string name = fs::path(Path(running->CurrentPath())).filename().string();
    const std::vector<std::string> temporaries = {
        "." + name + ".77-0.tmp", ".grille-1-77-0.dat.77-3.tmp", ".grille-en-cours.dat.77-0.tmp"};
    for (const std::string& temporary : temporaries) {
        ASSERT_TRUE(ReplaceFileAtomically((folder_ / temporary).string(), "demi"));
    }
    fs::last_write_time(folder_ / temporaries[2], fs::file_time_type::clock::now() - 2min);

    auto keeper = Keeper(60s);
    EXPECT_EQ(Strays(), std::vector<std::string>{temporaries[0]}) << "the running window's";
    EXPECT_EQ(Reopen(*keeper, grid_), "") << "its message is the opener's";
    EXPECT_EQ(Reopen(*keeper, grid_), "");
    EXPECT_EQ(grid_, Tape(2));
    EXPECT_EQ(Reopen(*keeper, grid_), kNothingLeft);
    EXPECT_EQ(ReadWholeFile((folder_ / "grille-en-cours.dat").string()).bytes, damaged);
}

// The environment of the process, put back after each test.
class StateHome : public Keeping {
  protected:
    void SetUp() override {
        Keeping::SetUp();
        for (const char* name : {"XDG_STATE_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("HOME", (root_ / "maison").c_str(), 1);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
        }
        Keeping::TearDown();
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(StateHome, TheStateFolderFollowsXdgStateHomeAndIsMadePrivate) {
    struct Case {
        std::optional<std::string> xdg;
        fs::path folder;
    };
    const std::vector<Case> cases = {
        {root_ / "etat", root_ / "etat" / "tallimo"},
        {std::nullopt, root_ / "maison" / ".local" / "state" / "tallimo"},
        {"", root_ / "maison" / ".local" / "state" / "tallimo"},
        {"relatif/etat", root_ / "maison" / ".local" / "state" / "tallimo"},
    };
    for (const Case& c : cases) {
        c.xdg ? ::setenv("XDG_STATE_HOME", c.xdg->c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
        TapeKeeper keeper([] { return PackLines(Tape(2)); });
        EXPECT_EQ(fs::path(Path(keeper.CurrentPath())).parent_path(), c.folder);
        keeper.GridChanged();
        ASSERT_TRUE(keeper.FlushNow());
        EXPECT_EQ(Load(keeper.CurrentPath()).lines, Tape(2));
        struct stat st {};
        ASSERT_EQ(::stat(c.folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        fs::remove_all(c.folder);
    }
}

// A state folder that becomes read-only: said once, with the folder and the
// reason; "Rouvrir la dernière grille" says why there is nothing; keeping
// resumes, and says so, once the folder can be written again, without a new
// change of the grid.
TEST_F(Keeping, AReadOnlyFolderIsSaidOnceAndKeepingResumes) {
    auto keeper = Keeper(0ms);
    QSignalSpy failures(keeper.get(), &TapeKeeper::KeepingFailed);
    QSignalSpy resumed(keeper.get(), &TapeKeeper::KeepingResumed);
    Change(Tape(1), *keeper);
    ASSERT_TRUE(keeper->FlushNow());
    {
        testing::ReadOnlyFolder read_only(folder_.string());
        if (!read_only.Made()) {
            GTEST_SKIP() << "this file system cannot make a folder read-only for root";
        }
        for (int i = 2; i <= 4; ++i) {
            Change(Tape(i), *keeper);
            EXPECT_FALSE(keeper->FlushNow());
        }
        ASSERT_EQ(failures.count(), 1);
        const QString message = failures.at(0).at(0).toString();
        EXPECT_TRUE(message.contains(QStringLiteral("« %1 » : permission refusée.")
                                         .arg(QString::fromStdString(folder_.string()))))
            << message.toStdString();
        std::vector<CalcLine> none;
        EXPECT_EQ(Reopen(*keeper, none),
                  QStringLiteral("Aucune grille conservée n'est à rouvrir.\r\nLa grille de cette "
                                 "fenêtre ne peut pas être conservée dans le dossier « %1 » : "
                                 "permission refusée.")
                      .arg(QString::fromStdString(folder_.string())));
        EXPECT_EQ(Load(keeper->CurrentPath()).lines, Tape(1));
    }
    QTRY_COMPARE_WITH_TIMEOUT(resumed.count(), 1, 10000);
    EXPECT_EQ(resumed.at(0).at(0).toString(),
              QStringLiteral("La grille de cette fenêtre est de nouveau conservée dans le dossier "
                             "« %1 ».")
                  .arg(QString::fromStdString(folder_.string())));
    EXPECT_EQ(Load(keeper->CurrentPath()).lines, Tape(4));
    EXPECT_EQ(failures.count(), 1);
}

}  // namespace
}  // namespace tallimo
