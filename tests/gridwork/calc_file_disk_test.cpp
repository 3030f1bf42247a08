// Saving and opening real files, and a calculation that goes on in a new run.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "engine_harness.h"
#include "gridwork/calc_file.h"

namespace tallimo {
namespace {

namespace fs = std::filesystem;

const std::vector<CalcLine> kNew = {{"", "3", "", "", {}},
                                    {"+", "4", "", "", {}},
                                    {"=", "7", "          réglé", "", LineKind::Result}};
const std::vector<CalcLine> kOld = {kNew[0]};

// A fresh folder holding a saved file and a folder.
class CalcFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tallimo-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        fs::create_directory(folder_ / "dossier.dat");
        ASSERT_EQ(SaveCalculationFile(file_ = folder_ / "calcul.dat", kOld), FileError::None);
    }
    void TearDown() override { fs::remove_all(folder_); }
    // A temporary file left behind shows as one more.
    std::ptrdiff_t Entries() const {
        return std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
    }
    fs::path folder_;
    fs::path file_;
};

TEST_F(CalcFileOnDisk, SaveThroughALinkReplacesTheFileAndKeepsItsPermissions) {
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file_, perms);
    fs::create_symlink(file_.filename(), folder_ / "lien.dat");
    ASSERT_EQ(SaveCalculationFile(folder_ / "lien.dat", kNew), FileError::None);
    EXPECT_TRUE(fs::is_symlink(folder_ / "lien.dat"));
    EXPECT_EQ(LoadCalculationFile(file_).lines, kNew);
    EXPECT_EQ(fs::status(file_).permissions() & fs::perms::all, perms);
    EXPECT_EQ(Entries(), 3);
}

// Each save fails; the old file must stay as it was, with no temporary file.
TEST_F(CalcFileOnDisk, FailedSaveLeavesTheOldFile) {
    const std::vector<CalcLine> many(600, kNew[1]);
    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    // A disk that fills up part way, which stops even root.
    const rlimit full{static_cast<rlim_t>(WriteCalculationFile(many).size() / 2),
                      unlimited.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
    // Root writes in a read-only folder: only the size limit stops it there.
    const fs::perms read_only = fs::perms::owner_read | fs::perms::owner_exec;
    // clang-format off
    const struct { const char* target; rlimit size; fs::perms folder = fs::perms::owner_all; }
        cases[] = {{"absent/calcul.dat", unlimited}, {"dossier.dat", unlimited},
                   {"calcul.dat", full}, {"calcul.dat", full, read_only}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &c.size), 0);
        fs::permissions(folder_, c.folder);
        // Anyone but root is refused the folder itself, and told so.
        const bool refused = c.folder == read_only && ::geteuid() != 0;
        EXPECT_EQ(SaveCalculationFile(folder_ / c.target, many),
                  refused ? FileError::WriteDenied : FileError::WriteFailed);
        fs::permissions(folder_, fs::perms::owner_all);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(Entries(), 2);
        EXPECT_EQ(LoadCalculationFile(file_).lines, kOld);
    }
}

TEST_F(CalcFileOnDisk, OpeningNoFileOrAFolderFails) {
    EXPECT_EQ(LoadCalculationFile(folder_ / "absent.dat").error, FileError::NotFound);
    EXPECT_EQ(LoadCalculationFile(folder_ / "absent" / "calcul.dat").error, FileError::NotFound);
    EXPECT_EQ(LoadCalculationFile(folder_ / "dossier.dat").error, FileError::OpenFailed);
}

// Going on from a reopened file must be the same as never having stopped.
TEST_F(CalcFileOnDisk, SavedCalculationGoesOnAsIfNeverInterrupted) {
    // clang-format off
    const struct { const char* before; const char* after; } cases[] = {
        {"2 + 0,5 = f:RCarrée f:Décimal", "x 3 ="}, {"3 + 4 C", "5 + 1 ="}, {"1 / 0 =", "5 - 1 ="},
        {"1,5 - 4 =", "/ 2 ="}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        testing::EngineRig straight;
        straight.host.answers = {"2"};
        straight.Type(c.before);
        ASSERT_EQ(SaveCalculationFile(file_, straight.grid.Recorded()), FileError::None);
        testing::EngineRig reopened;
        reopened.Type("9 x 9 =");  // whatever was there before is replaced
        reopened.grid.Reset(LoadCalculationFile(file_).lines);
        reopened.engine.ContinueFromLastLine();
        for (const char* keys : {"", c.after}) {  // once reopened, then once continued
            straight.Type(keys);
            reopened.Type(keys);
            EXPECT_EQ(testing::GridText(reopened.grid), testing::GridText(straight.grid)) << keys;
            EXPECT_EQ(reopened.engine.Display(), straight.engine.Display()) << keys;
            EXPECT_EQ(reopened.engine.State().X, straight.engine.State().X) << keys;
        }
    }
}

}  // namespace
}  // namespace tallimo
