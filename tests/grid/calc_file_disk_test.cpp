// Saving and opening real files, and a calculation that goes on in a new run.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "grid/calc_file.h"
#include "tests/engine/engine_harness.h"

namespace tallimo {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<CalcLine> kOld = {{"", "1", "", "", LineKind::Operation}};
const std::vector<CalcLine> kNew = {{"", "3", "", "", LineKind::Operation},
                                    {"+", "4", "", "", LineKind::Operation},
                                    {"=", "7", "          total", "", LineKind::Result}};

class CalcFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tallimo-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_F(CalcFileOnDisk, SavedFileOpensWithTheSameLines) {
    const fs::path file = folder_ / "calcul.dat";
    ASSERT_EQ(SaveCalculationFile(file.string(), kNew), FileError::None);
    EXPECT_EQ(ReadBytes(file), WriteCalculationFile(kNew));
    const ParsedFile read = LoadCalculationFile(file.string());
    ASSERT_EQ(read.error, FileError::None);
    EXPECT_EQ(read.lines, kNew);
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"calcul.dat"});
}

TEST_F(CalcFileOnDisk, SaveReplacesAFileAndKeepsItsPermissions) {
    const fs::path file = folder_ / "calcul.dat";
    ASSERT_EQ(SaveCalculationFile(file.string(), kOld), FileError::None);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(SaveCalculationFile(file.string(), kNew), FileError::None);
    EXPECT_EQ(LoadCalculationFile(file.string()).lines, kNew);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"calcul.dat"});
}

TEST_F(CalcFileOnDisk, SaveThroughALinkReplacesTheFileItNames) {
    const fs::path file = folder_ / "calcul.dat";
    const fs::path link = folder_ / "lien.dat";
    ASSERT_EQ(SaveCalculationFile(file.string(), kOld), FileError::None);
    fs::create_symlink(file.filename(), link);
    ASSERT_EQ(SaveCalculationFile(link.string(), kNew), FileError::None);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LoadCalculationFile(file.string()).lines, kNew);
}

// Each case makes a save fail; the folder must be left exactly as it was.
struct FailedSaveCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> prepare;  // gives the path saved to
    bool needs_permissions;  // root writes anywhere, so such a case cannot fail for it
};
void PrintTo(const FailedSaveCase& c, std::ostream* out) {
    *out << c.name;
}

class FailedSave : public CalcFileOnDisk, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSave, LeavesTheOldFileAndNoTemporaryFile) {
    if (GetParam().needs_permissions && ::geteuid() == 0) {
        GTEST_SKIP() << "running as root, which permissions do not stop";
    }
    const fs::path old_file = folder_ / "ancien.dat";
    ASSERT_EQ(SaveCalculationFile(old_file.string(), kOld), FileError::None);
    const std::string old_bytes = ReadBytes(old_file);
    const fs::path target = GetParam().prepare(folder_);
    const std::vector<std::string> before = Names(folder_);

    EXPECT_EQ(SaveCalculationFile(target.string(), kNew), FileError::WriteFailed);

    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(Names(folder_), before);
    EXPECT_EQ(ReadBytes(old_file), old_bytes);
    if (fs::is_directory(target)) {
        EXPECT_TRUE(fs::is_empty(target));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CalcFile, FailedSave,
    ::testing::Values(FailedSaveCase{"FolderMissing",
                                     [](const fs::path& folder) {
                                         return folder / "absent" / "calcul.dat";
                                     },
                                     false},
                      FailedSaveCase{"TargetIsAFolder",
                                     [](const fs::path& folder) {
                                         fs::create_directory(folder / "dossier.dat");
                                         return folder / "dossier.dat";
                                     },
                                     false},
                      FailedSaveCase{"ReadOnlyFolder",
                                     [](const fs::path& folder) {
                                         fs::permissions(
                                             folder, fs::perms::owner_read | fs::perms::owner_exec);
                                         return folder / "ancien.dat";
                                     },
                                     true}),
    [](const auto& info) { return std::string(info.param.name); });

// A disk that fills up part way, which even root cannot write past: the file
// size limit stops the write the way a full disk would.
TEST_F(CalcFileOnDisk, SaveCutShortLeavesTheOldFile) {
    const fs::path file = folder_ / "calcul.dat";
    ASSERT_EQ(SaveCalculationFile(file.string(), kOld), FileError::None);
    const std::string old_bytes = ReadBytes(file);
    std::vector<CalcLine> many;
    for (int i = 0; i < 200; ++i) {
        many.insert(many.end(), kNew.begin(), kNew.end());
    }

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(WriteCalculationFile(many).size() / 2);
    const sighandler_t old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileError error = SaveCalculationFile(file.string(), many);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_EQ(error, FileError::WriteFailed);
    EXPECT_EQ(ReadBytes(file), old_bytes);
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"calcul.dat"});
}

TEST_F(CalcFileOnDisk, OpeningWhatIsNoFile) {
    fs::create_directory(folder_ / "dossier.dat");
    WriteBytes(folder_ / "texte.dat", "bonjour\r\n");
    const struct {
        const char* name;
        FileError error;
    } cases[] = {{"absent.dat", FileError::OpenFailed},
                 {"dossier.dat", FileError::OpenFailed},
                 {"texte.dat", FileError::WrongFormat}};
    for (const auto& c : cases) {
        const ParsedFile read = LoadCalculationFile((folder_ / c.name).string());
        EXPECT_EQ(read.error, c.error) << c.name;
        EXPECT_TRUE(read.lines.empty()) << c.name;
    }
}

// ---- A calculation saved, reopened in a new run, and continued -------------

struct SessionCase {
    const char* name;
    std::string before;  // typed, then saved
    std::string after;   // typed once the file is opened again
};
void PrintTo(const SessionCase& c, std::ostream* out) {
    *out << c.name;
}

class SavedSession : public CalcFileOnDisk, public ::testing::WithParamInterface<SessionCase> {};

// Going on from a reopened file must be the same as never having stopped.
TEST_P(SavedSession, GoesOnAsIfNeverInterrupted) {
    testing::EngineRig straight;
    straight.host.answers = {"2", "2", "2", "2"};
    straight.Type(GetParam().before);
    ASSERT_GT(straight.grid.GridLine(), 0);
    ASSERT_FALSE(straight.engine.State().OperatorPending);
    CalcLine commented = straight.grid.Row(0);
    commented.Comment = kCommentPadding + StorableComment("début\n\"du\" calcul");
    straight.grid.SetRow(0, commented);

    const fs::path file = folder_ / "session.dat";
    ASSERT_EQ(
        SaveCalculationFile(file.string(),
                            std::span(straight.grid.Rows()).first(straight.grid.Rows().size() - 1)),
        FileError::None);

    testing::EngineRig reopened;
    reopened.Type("9 x 9 =");  // whatever was there before is replaced
    ParsedFile read = LoadCalculationFile(file.string());
    ASSERT_EQ(read.error, FileError::None);
    reopened.grid.Reset(std::move(read.lines));
    reopened.engine.ContinueFromLastLine();
    EXPECT_EQ(testing::GridText(reopened.grid), testing::GridText(straight.grid));
    EXPECT_EQ(reopened.engine.Display(), straight.engine.Display());

    reopened.host.answers = {"2", "2"};
    straight.Type(GetParam().after);
    reopened.Type(GetParam().after);
    EXPECT_EQ(testing::GridText(reopened.grid), testing::GridText(straight.grid));
    EXPECT_EQ(reopened.engine.Display(), straight.engine.Display());
    EXPECT_EQ(reopened.engine.State().X, straight.engine.State().X);
}

INSTANTIATE_TEST_SUITE_P(CalcFile, SavedSession,
                         ::testing::Values(SessionCase{"AfterAResult", "3 + 4 =", "+ 2 ="},
                                           SessionCase{"AfterAResultWithDecimals",
                                                       "2 + 0,5 = f:RCarrée f:Décimal", "x 3 ="},
                                           SessionCase{"AfterACancellation", "3 + 4 C", "5 + 1 ="},
                                           SessionCase{"AfterAnError", "1 / 0 =", "5 - 1 ="},
                                           SessionCase{"AfterANegativeResult",
                                                       "1,5 - 4 =", "/ 2 ="}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tallimo
