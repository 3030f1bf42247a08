// Keeping the grid on disk: where, when, how often, and what a later run
// gets back.
#include "app/tape_keeper.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <filesystem>
#include <optional>
#include <thread>

#include "gridwork/calc_file.h"
#include "gridwork/file_io.h"
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
                return grid_;
            },
            options);
    }
    void Change(std::vector<CalcLine> lines, TapeKeeper& keeper) {
        grid_ = std::move(lines);
        keeper.GridChanged();
    }
    // Whatever is in the folder but the two state files.
    std::vector<std::string> Strays() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (name != "grille-en-cours.dat" && name != "derniere-grille.dat") {
                names.push_back(name);
            }
        }
        return names;
    }
    static ParsedFile Load(const QString& path) { return LoadCalculationFile(Path(path)); }

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

TEST_F(Keeping, TheLastChangeIsWrittenOnceTheIntervalHasPassed) {
    auto keeper = Keeper(50ms);
    for (int i = 1; i <= 30; ++i) {
        Change(Tape(i), *keeper);
    }
    QTRY_VERIFY_WITH_TIMEOUT(Load(keeper->CurrentPath()).lines == Tape(30), 5000);
    EXPECT_LE(copies_, 2);
}

TEST_F(Keeping, TheNextRunReopensThePreviousRunsTapeWhateverItsOwnChanges) {
    {
        auto first = Keeper(60s);
        Change(Tape(4), *first);
    }  // written as it goes, though the interval has not passed
    auto second = Keeper(60s);
    EXPECT_EQ(Load(second->StatePath()).lines, Tape(4));
    Change(Tape(7), *second);
    ASSERT_TRUE(second->FlushNow());
    EXPECT_EQ(Load(second->StatePath()).lines, Tape(4));
    second.reset();

    EXPECT_EQ(Load(Keeper(60s)->StatePath()).lines, Tape(7));
    // A run that changed nothing leaves that tape to the run after.
    EXPECT_EQ(Load(Keeper(60s)->StatePath()).lines, Tape(7));
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
            } else if (parsed.error != FileError::OpenFailed) {
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

TEST_F(Keeping, ADamagedTapeIsLeftInPlace) {
    fs::create_directories(folder_);
    const std::string damaged = "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n0,\"\",\"3";
    ASSERT_TRUE(ReplaceFileAtomically((folder_ / "grille-en-cours.dat").string(), damaged));
    auto keeper = Keeper(60s);
    EXPECT_EQ(Load(keeper->StatePath()).error, FileError::ReadFailed);
    Change(Tape(2), *keeper);
    ASSERT_TRUE(keeper->FlushNow());
    keeper.reset();
    EXPECT_EQ(ReadWholeFile((folder_ / "derniere-grille.dat").string()).bytes, damaged);
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
        TapeKeeper keeper([] { return Tape(2); });
        EXPECT_EQ(Path(keeper.StatePath()), (c.folder / "derniere-grille.dat").string());
        keeper.GridChanged();
        ASSERT_TRUE(keeper.FlushNow());
        EXPECT_EQ(LoadCalculationFile((c.folder / "grille-en-cours.dat").string()).lines, Tape(2));
        struct stat st {};
        ASSERT_EQ(::stat(c.folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        fs::remove_all(c.folder);
    }
}

TEST_F(Keeping, AFolderThatCannotBeMadeIsReportedOnce) {
    // A file where a folder should be: no one, root included, can make it.
    ASSERT_TRUE(ReplaceFileAtomically((root_ / "etat").string(), "x"));
    auto keeper = Keeper(0ms);
    QSignalSpy failures(keeper.get(), &TapeKeeper::KeepingFailed);
    for (int i = 1; i <= 3; ++i) {
        Change(Tape(i), *keeper);
        EXPECT_FALSE(keeper->FlushNow());
        keeper->GridChanged();
    }
    ASSERT_EQ(failures.count(), 1);
    const QString message = failures.at(0).at(0).toString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("La dernière grille ne peut pas être conservée")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromStdString(folder_.string())));
}

}  // namespace
}  // namespace tallimo
