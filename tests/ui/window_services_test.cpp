// What the calculator window keeps and hands out around the tape: its colour
// style and size from one run to the next, the spreadsheet export and the
// last grid kept.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "app/frm_calc.h"
#include "app/tape_keeper.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "fake_host.h"
#include "ui_test_app.h"

namespace tallimo::testing {
namespace {

constexpr char kFileStart[] = "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n";

// What the program gives its tape keeper: the window's recorded lines.
TapeKeeper::LinesSource TheLinesOf(const FrmCalc& window) {
    return [&window] {
        const auto lines = window.Grid().Recorded();
        return std::vector<PackedLine>(lines.begin(), lines.end());
    };
}

class WindowServices : public ::testing::Test {
  protected:
    WindowServices() {
        App();
        host.dialogs.otherwise = "2";
    }
    void Type(FrmCalc& window, std::initializer_list<KeyId> keys) {
        for (KeyId key : keys) {
            QTest::mouseClick(window.KeyControl(key), Qt::LeftButton, {}, QPoint(13, 13));
        }
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    FakeHost host;
    QTemporaryDir folder;
};

TEST_F(WindowServices, TheKeptStyleColoursTheWindowFromTheStart) {
    host.settings.values = {{{"Colors", "Style"}, "4"},  {{"Colors", "Color1"}, "255"},
                            {{"Colors", "Color2"}, "0"}, {{"Colors", "Color3"}, "65280"},
                            {{"Colors", "Color4"}, "0"}, {{"Colors", "Color5"}, "16777215"}};
    FrmCalc window(host);
    const QPalette dial = window.Dial()->palette();
    EXPECT_EQ(dial.color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(dial.color(QPalette::WindowText), QColor(255, 255, 255));
    // Colours are stored as 0x00BBGGRR: 255 is red.
    EXPECT_EQ(window.KeyControl(KeyId::Chiffre7)->Picture().pixelColor(2, 2), QColor(255, 0, 0));
}

TEST_F(WindowServices, TheWindowComesBackAtTheSizeItWasClosedAt) {
    QSize larger;
    {
        FrmCalc window(host);
        window.show();
        larger = window.size() + QSize(200, 150);
        window.resize(larger);
        window.close();
    }
    EXPECT_EQ(host.settings.Committed("Largeur", "Fenetre"), std::to_string(larger.width()));
    FrmCalc again(host);
    EXPECT_EQ(again.size(), larger);
    // A size smaller than designed, or no number, gives the designed size.
    host.settings.values[{"Fenetre", "Largeur"}] = "10";
    host.settings.values[{"Fenetre", "Hauteur"}] = "beaucoup";
    FrmCalc designed(host);
    EXPECT_EQ(designed.size(), designed.minimumSize());
}

TEST_F(WindowServices, ExportWritesTheRecordedLinesForASpreadsheet) {
    FrmCalc window(host);
    window.Run(MenuCommand::ExportForSpreadsheet);
    EXPECT_EQ(host.dialogs.messages.back(),
              "La grille de calculs est vide.\r\nAucune donnée à exporter.");
    EXPECT_TRUE(host.file_requests.empty());

    const QString path = folder.filePath("tableur.csv");
    host.choose_files = [&path](const FileDialogRequest&) { return Host::ChosenFiles{{path}, 0}; };
    Type(window, {KeyId::Chiffre1, KeyId::Decimal, KeyId::Chiffre5, KeyId::Operateur0,
                  KeyId::Chiffre2, KeyId::Egal});
    window.Run(MenuCommand::ExportForSpreadsheet);
    ASSERT_EQ(host.file_requests.size(), 1u);
    EXPECT_TRUE(host.file_requests[0].save);
    EXPECT_EQ(host.file_requests[0].default_suffix, "csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "\xEF\xBB\xBFOp\xC3\xA9ration;Valeur;D\xC3\xA9"
              "cimales;Commentaire\r\n"
              ";1,5;;\r\n'+;2;;\r\n'=;3,5;;\r\n");

    // A folder that cannot be written: the message, and no file claimed.
    const QString nowhere = folder.filePath("absent/tableur.csv");
    host.choose_files = [&nowhere](const FileDialogRequest&) {
        return Host::ChosenFiles{{nowhere}, 0};
    };
    window.Run(MenuCommand::ExportForSpreadsheet);
    EXPECT_EQ(host.dialogs.messages.back(),
              "Une erreur s'est produite lors de la sauvegarde.\r\nFichier : « tableur.csv »");
}

TEST_F(WindowServices, TheLastGridKeptReopensUntitled) {
    TapeKeeper::Options options;
    options.state_folder = folder.path();
    FrmCalc window(host);
    {
        TapeKeeper keeper([] { return std::vector<PackedLine>{}; }, options);
        window.SetTapeKeeper(&keeper);
        window.Run(MenuCommand::ReopenLastGrid);
        EXPECT_EQ(host.dialogs.messages.back(),
                  "Aucune grille conservée n'est à rouvrir.\r\nUne grille est gardée quand sa "
                  "fenêtre s'est arrêtée brutalement, ou a été fermée sans que la grille soit "
                  "enregistrée ; une grille rouverte n'est plus proposée.");
        window.SetTapeKeeper(nullptr);
    }
    // The previous run's grid, as a crash would leave it.
    Write(folder.filePath("grille-en-cours.dat"),
          QByteArray(kFileStart) + "0,\"\",\"4\",\"\",\"\"\r\n0,\"+\",\"5\",\"\",\"\"\r\n");
    TapeKeeper keeper(TheLinesOf(window), options);
    window.SetTapeKeeper(&keeper);
    window.Run(MenuCommand::ReopenLastGrid);
    ASSERT_EQ(window.Grid().GridLine(), 2);
    EXPECT_EQ(window.Grid().Row(1).Value, "5");
    EXPECT_EQ(window.windowTitle(), "Tallimo") << "never saved back into the state folder";

    // The grid of this run goes to the keeper as it changes.
    Type(window, {KeyId::Operateur0, KeyId::Chiffre1, KeyId::Egal});
    ASSERT_TRUE(keeper.FlushNow());
    QFile current(keeper.CurrentPath());
    ASSERT_TRUE(current.open(QIODevice::ReadOnly));
    const QByteArray kept = current.readAll();
    EXPECT_TRUE(kept.contains("0,\"+\",\"1\",\"\",\"\"\r\n")) << kept.toStdString();
    window.SetTapeKeeper(nullptr);
}

// A tape that cannot be kept is said once in the window, after the key
// that showed it.
TEST_F(WindowServices, ATapeThatCannotBeKeptIsSaidOnce) {
    Write(folder.filePath("fichier"), "x");
    TapeKeeper::Options options;
    options.state_folder = folder.filePath("fichier/tallimo");
    options.interval = std::chrono::milliseconds(0);
    FrmCalc window(host);
    TapeKeeper keeper(TheLinesOf(window), options);
    window.SetTapeKeeper(&keeper);
    for (int i = 0; i < 3; ++i) {
        Type(window, {KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal});
        keeper.FlushNow();
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(host.dialogs.messages.size(), 1u);
    EXPECT_TRUE(host.dialogs.messages[0].starts_with(
        "La grille de cette fenêtre ne peut pas être conservée dans le dossier « " +
        options.state_folder.toStdString() + " »"))
        << host.dialogs.messages[0];
    window.SetTapeKeeper(nullptr);
}

}  // namespace
}  // namespace tallimo::testing
