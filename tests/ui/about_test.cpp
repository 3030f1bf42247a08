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

TEST_F(AboutBox, ShowsTheProductAsTheBuildDescribesIt) {
    EXPECT_EQ(about_.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about_.windowTitle(), QStringLiteral("A propos de"));
    EXPECT_EQ(Label("lblTitle")->text(), QStringLiteral("Tallimo"));
    EXPECT_TRUE(Label("lblTitle")->font().bold());
    EXPECT_EQ(Label("lblVersion")->text(), QStringLiteral("Version ") + DeclaredVersion());
    EXPECT_FALSE(Label("lblDescription")->text().isEmpty());
    EXPECT_FALSE(Label("lblDisclaimer")->text().isEmpty());
    EXPECT_EQ(Label("lblMail0")->text(), QStringLiteral("Mail:"));
    EXPECT_EQ(Label("lblWeb0")->text(), QStringLiteral("Web:"));
    EXPECT_TRUE(Label("lblMail1")->text().contains(QLatin1Char('@')));
    EXPECT_TRUE(Label("lblWeb1")->text().startsWith(QStringLiteral("http")));
    for (const char* link : {"lblMail1", "lblWeb1"}) {
        EXPECT_EQ(Label(link)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(Label(link)->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(Label(link)->accessibleName().isEmpty());
    }
    const QPixmap picture = Label("imgAbout")->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(193, 105));
    EXPECT_EQ(about_.findChild<QWidget*>(QStringLiteral("Line10"))->height(), 1);
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
}

TEST_F(AboutBox, ALinkThatCannotOpenFailsSilently) {
    about_.show();
    host_.open_url_result = false;
    Click(Label("lblWeb1"));
    EXPECT_EQ(host_.opened_urls.size(), 1u);
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

TEST(ShellErrorMessages, CodesThatShareAMeaningShareTheirText) {
    EXPECT_EQ(ShellErrorMessage(0), ShellErrorMessage(8));
    EXPECT_EQ(ShellErrorMessage(31), "Aucune application n'est associée à ce type de fichier.");
    const std::string_view other = "Une erreur est survenue pendant l'ouverture du fichier.";
    for (const int code : {-5, -1, 1, 4, 6, 7, 9, 10, 12, 18, 25}) {
        EXPECT_EQ(ShellErrorMessage(code), other) << code;
    }
    for (const int code : {2, 3, 5, 11, 26, 27, 28, 29, 30, 32}) {
        EXPECT_NE(ShellErrorMessage(code), other) << code;
    }
}

class ShellExecute : public ::testing::Test {
  protected:
    int Open(const QString& file, bool show_errors, const QString& directory = {},
             const QString& operation = QStringLiteral("open")) {
        return ShellExecuteDoc(host_, nullptr, operation, file, {}, directory, 10, show_errors);
    }

    testing::FakeHost host_;
    QTemporaryDir folder_;
};

TEST_F(ShellExecute, ALinkHandedOverShowsNothing) {
    EXPECT_GT(Open(QStringLiteral("https://example.org/aide"), true), 32);
    ASSERT_EQ(host_.opened_urls.size(), 1u);
    EXPECT_EQ(host_.opened_urls.front(), QUrl(QStringLiteral("https://example.org/aide")));
    EXPECT_TRUE(host_.dialogs.messages.empty());
}

TEST_F(ShellExecute, NoApplicationForTheLinkIsReportedOnlyWhenAsked) {
    host_.open_url_result = false;
    EXPECT_EQ(Open(QStringLiteral("mailto:a@example.org"), false), 31);
    EXPECT_TRUE(host_.dialogs.messages.empty());
    EXPECT_EQ(Open(QStringLiteral("mailto:a@example.org"), true), 31);
    ASSERT_EQ(host_.dialogs.messages.size(), 1u);
    EXPECT_EQ(host_.dialogs.messages.front(),
              "Aucune application n'est associée à ce type de fichier.");
    EXPECT_EQ(host_.dialogs.icons.front(), MessageIcon::Critical);
}

TEST_F(ShellExecute, DocumentsAreFoundOrReportedMissing) {
    QFile document(QDir(folder_.path()).filePath(QStringLiteral("compte.dat")));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.close();

    EXPECT_GT(Open(QStringLiteral("compte.dat"), true, folder_.path()), 32);
    ASSERT_EQ(host_.opened_urls.size(), 1u);
    EXPECT_EQ(host_.opened_urls.front(), QUrl::fromLocalFile(document.fileName()));

    EXPECT_EQ(Open(QDir(folder_.path()).filePath(QStringLiteral("absent.dat")), true), 2);
    EXPECT_EQ(Open(folder_.path() + QStringLiteral("/nulle/part.dat"), true), 3);
    EXPECT_EQ(host_.opened_urls.size(), 1u) << "a missing document is not handed over";
    EXPECT_EQ(host_.dialogs.messages,
              (std::vector<std::string>{"Fichier non trouvé.", "Erreur dans le chemin."}));
}

TEST_F(ShellExecute, AnOperationOtherThanOpenIsNotAvailable) {
    EXPECT_EQ(Open(QStringLiteral("https://example.org/"), false, {}, QStringLiteral("print")), 31);
    EXPECT_TRUE(host_.opened_urls.empty());
}

}  // namespace
}  // namespace tallimo
