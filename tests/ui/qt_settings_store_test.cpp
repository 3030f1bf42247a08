#include "app/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "appearance/color_styles.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

// The user's configuration folder is a fresh temporary one.
class StoreOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    QString File() const { return folder_.filePath(QStringLiteral("Kestrone App Tallimo.conf")); }
    QString Text() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void WriteText(const char* text) {
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QApplication& app_ = testing::App();
    QTemporaryDir folder_;
};

TEST_F(StoreOnDisk, KeepsTheColoursAcrossRunsAsSignedDecimalTexts) {
    const FiveColors custom = {0x0000FF, SystemColor(2), 0x00FF00, 0xFF0000, 0};
    {
        QtSettingsStore store;
        EXPECT_EQ(store.FileName(), File());
        EXPECT_EQ(LoadColors(store), StyleColorSet(1, {}));  // no file yet
        ASSERT_TRUE(SaveColors(store, 4, custom));
    }
    EXPECT_EQ(Text(), QStringLiteral("[Colors]\nColor1=255\nColor2=-2147483646\nColor3=65280\n"
                                     "Color4=16711680\nColor5=0\nStyle=4\n"));
    {
        QtSettingsStore store;
        EXPECT_EQ(LoadColors(store), (ColorSet{4, custom}));
        ASSERT_TRUE(SaveColors(store, 3, DefaultColors()));
    }
    QtSettingsStore store;
    EXPECT_EQ(LoadColors(store).style, 3);
    EXPECT_EQ(StoredCustomColors(store), custom);
}

TEST_F(StoreOnDisk, ADamagedFileNeverFails) {
    WriteText(
        "[Colors]\nColor4=65280\nColor1=1, 2\nColor2=@Invalid()\nColor3=\xff\xfe\n"
        "Style=\"4\ngarbage\n[Colors\n");
    QtSettingsStore store;
    const ColorSet loaded = LoadColors(store);
    EXPECT_EQ(loaded.style, 1);
    const FiveColors custom = StoredCustomColors(store);
    EXPECT_EQ(custom[0], SystemColor(15));
    EXPECT_EQ(custom[1], SystemColor(18));
    EXPECT_EQ(custom[2], SystemColor(15));
    EXPECT_EQ(custom[3], 0x00FF00);
    // Saving repairs it.
    ASSERT_TRUE(SaveColors(store, 4, custom));
    EXPECT_EQ(LoadColors(QtSettingsStore()), (ColorSet{4, custom}));
}

// A folder that cannot take the file: the failure is reported and the store
// reads as before the attempt.
TEST_F(StoreOnDisk, AFailedWriteIsReportedAndLeavesTheValuesAsTheyWere) {
    {
        QtSettingsStore store;
        ASSERT_TRUE(SaveColors(store, 2, DefaultColors()));
    }
    QtSettingsStore store;
    EXPECT_EQ(LoadColors(store).style, 2);
    // The folder becomes a plain file: nothing can be written below it, not
    // even by the super-user.
    ASSERT_TRUE(QFile::remove(File()));
    ASSERT_TRUE(QDir(folder_.path()).removeRecursively());
    {
        QFile blocker(folder_.path());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(SaveColors(store, 4, {1, 2, 3, 4, 5}));
    EXPECT_NE(store.Read("Colors", "Style"), "4");
    EXPECT_NE(store.Read("Colors", "Color1"), "1");
    QFile::remove(folder_.path());
}

}  // namespace
}  // namespace tallimo
