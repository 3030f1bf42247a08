// The about box and the shell's opening of documents and links.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "fake_host.h"
#include "help/ui/frm_about.h"
#include "help/ui/product_info.h"
#include "platform/shell_execute.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

// The version as the build declares it, read from the build's own file.
QString DeclaredVersion() {
    QFile file(QStringLiteral(TALLIMO_SOURCE_DIR "/CMakeLists.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("project\\(Tallimo VERSION ([0-9]+\\.[0-9]+\\.[0-9]+)"))
            .match(QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(match.hasMatch());
    return match.captured(1);
}

class AboutBox : public ::testing::Test {
  protected:
    QLabel* Label(const char* name) { return about_.findChild<QLabel*>(QString::fromLatin1(name)); }
    void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    testing::FakeHost host_;
    FrmAbout about_{host_};
};

TEST_F(AboutBox, ShowsTheVersionTheBuildDeclaresAndNamesItsLinks) {
    EXPECT_EQ(Label("lblVersion")->text(), QStringLiteral("Version ") + DeclaredVersion());
    EXPECT_TRUE(Label("lblMail1")->text().contains(QLatin1Char('@')));
    EXPECT_TRUE(Label("lblWeb1")->text().startsWith(QStringLiteral("http")));
    for (const char* link : {"lblMail1", "lblWeb1"}) {
        EXPECT_FALSE(Label(link)->accessibleName().isEmpty());
    }
    EXPECT_FALSE(Label("imgAbout")->pixmap().isNull());
    EXPECT_FALSE(ProgramIcon().isNull());
}

TEST_F(AboutBox, TheLinksOpenMailAndWebAndTheirCaptionsDoNothing) {
    about_.show();
    Click(Label("lblMail0"));
    Click(Label("lblWeb0"));
    EXPECT_TRUE(host_.opened_urls.empty());

    Click(Label("lblMail1"));
    Click(Label("lblWeb1"));
    ASSERT_EQ(host_.opened_urls.size(), 2u);
    EXPECT_EQ(host_.opened_urls[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(host_.opened_urls[0].path(), Label("lblMail1")->text());
    EXPECT_EQ(host_.opened_urls[1], QUrl(Label("lblWeb1")->text()));
    host_.open_url_result = false;  // a link that cannot open fails silently
    Click(Label("lblWeb1"));
    EXPECT_TRUE(host_.dialogs.messages.empty());
}

TEST_F(AboutBox, TheKeyboardReachesTheLinksAndOkCloses) {
    about_.show();
    QTest::keyClick(Label("lblMail1"), Qt::Key_Space);
    EXPECT_EQ(host_.opened_urls.size(), 1u);
    QTest::keyClick(Label("lblWeb1"), Qt::Key_Return);
    EXPECT_EQ(host_.opened_urls.size(), 2u);
    about_.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(about_.isVisible());
    EXPECT_EQ(about_.result(), QDialog::Accepted);
}

// Links go through the about box and the help; documents are opened here.
class ShellExecute : public ::testing::Test {
  protected:
    int Open(const QString& file, const QString& directory = {}) {
        return ShellExecuteDoc(host_, nullptr, QStringLiteral("open"), file, {}, directory, 10,
                               true);
    }

    testing::FakeHost host_;
    QTemporaryDir folder_;
};

TEST_F(ShellExecute, DocumentsAreFoundOrReportedMissing) {
    QFile document(QDir(folder_.path()).filePath(QStringLiteral("compte.dat")));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.close();

    EXPECT_GT(Open(QStringLiteral("compte.dat"), folder_.path()), 32);
    ASSERT_EQ(host_.opened_urls.size(), 1u);
    EXPECT_EQ(host_.opened_urls.front(), QUrl::fromLocalFile(document.fileName()));

    EXPECT_EQ(Open(QDir(folder_.path()).filePath(QStringLiteral("absent.dat"))), 2);
    EXPECT_EQ(Open(folder_.path() + QStringLiteral("/nulle/part.dat")), 3);
    EXPECT_EQ(host_.opened_urls.size(), 1u) << "a missing document is not handed over";
    EXPECT_EQ(host_.dialogs.messages,
              (std::vector<std::string>{"Fichier non trouvé.", "Erreur dans le chemin."}));
}

}  // namespace
}  // namespace tallimo
