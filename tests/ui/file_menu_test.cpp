// "Grille vierge", "Ouvrir" and "Enregistrer" as a user meets them, with the
// file dialog answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "read_only_folder.h"
#include "window_fixture.h"

namespace tallimo::testing {
namespace {

constexpr char kAbsentMessage[] =
    "Le fichier « absent.dat » est introuvable.\r\nIl a peut-être été déplacé, renommé ou "
    "supprimé, ou son dossier n'existe plus.";

class FileMenu : public WindowTest {
  protected:
    FileMenu() {
        host.choose_files = [this](const FileDialogRequest&) {
            return Host::ChosenFiles{answer.isEmpty() ? QStringList{} : QStringList{answer}, 0};
        };
    }

    void Save() { window.MenuItem(MenuCommand::Save)->trigger(); }
    void Open(FrmCalc& target) { target.MenuItem(MenuCommand::Open)->trigger(); }
    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    void WriteFile(const char* name, const QByteArray& bytes) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    const std::vector<FileDialogRequest>& Requests() const { return host.file_requests; }

    QTemporaryDir folder;
    QString answer;
};

TEST_F(FileMenu, SaveRefusesACalculationInProgressAndAnEmptyGrid) {
    Save();
    Keys({KeyId::Chiffre3, KeyId::Operateur0});
    Save();
    ASSERT_EQ(host.dialogs.messages.size(), 2u);
    EXPECT_EQ(host.dialogs.messages[0],
              "La grille de calculs est vide.\r\nAucune donnée à enregistrer.");
    EXPECT_EQ(host.dialogs.messages[1],
              "Une opération est en cours.\r\nTerminez la ou annulez la avant de poursuivre.");
    EXPECT_TRUE(Requests().empty()) << "no dialog";
}

// How the calculation goes on from it is proven on the file alone.
TEST_F(FileMenu, SavedGridReopensInAnotherWindow) {
    Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal, KeyId::Signe,
          KeyId::Chiffre5, KeyId::Operateur0, KeyId::Cancel, KeyId::Chiffre7, KeyId::Decimal,
          KeyId::Chiffre5, KeyId::Operateur0, KeyId::Chiffre1, KeyId::Egal});
    answer = Path("budget");  // the extension is added
    Save();
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_TRUE(Requests()[0].save);
    EXPECT_EQ(Requests()[0].name_filters, QStringList{"Calculs (*.dat)"});
    EXPECT_EQ(Requests()[0].default_suffix, "dat");
    EXPECT_TRUE(Requests()[0].overwrite_prompt);
    EXPECT_EQ(window.windowTitle(), "Tallimo - budget.dat");
    ASSERT_TRUE(QFile::exists(Path("budget.dat")));
    EXPECT_TRUE(host.dialogs.messages.empty());

    answer.clear();
    Open(window);
    EXPECT_EQ(Requests().back().directory, folder.path()) << "starts in the folder last used";

    FrmCalc other(host);
    answer = Path("budget.dat");
    Open(other);
    EXPECT_TRUE(Requests().back().file_must_exist);
    EXPECT_EQ(other.windowTitle(), "Tallimo - budget.dat");
    ASSERT_EQ(other.Grid().RowCount(), window.Grid().RowCount());
    for (int r = 0; r < window.Grid().GridLine(); ++r) {
        // The file keeps the texts; the doubles behind them stay in the run.
        CalcLine saved = window.Grid().Row(r);
        saved.Computed.reset();
        EXPECT_EQ(other.Grid().Row(r), saved) << r;
    }
    EXPECT_EQ(other.Dial()->text(), "8,5");
}

TEST_F(FileMenu, BadFilesLeaveEverythingAsItWas) {
    Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal});
    answer = Path("avant.dat");
    Save();
    const std::vector<CalcLine> before = window.Grid().Rows();
    WriteFile("autre.dat", "\"Autre chose\"\r\n\"1.5.0\"\r\n");
    WriteFile("abime.dat", "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n0,\"\",\"3\r\n");
    const char* names[] = {"autre.dat", "abime.dat", "absent.dat"};
    for (const char* name : names) {
        answer = Path(name);
        Open(window);
        EXPECT_EQ(window.Grid().Rows(), before) << name;
        EXPECT_EQ(window.Dial()->text(), "7") << name;
        EXPECT_EQ(window.windowTitle(), "Tallimo - avant.dat") << name;
    }
    const std::vector<std::string> expected = {
        "Format de fichier erroné.\r\n« autre.dat » n'est pas un fichier de calculs.",
        "Une erreur s'est produite lors de l'ouverture du fichier.\r\nFichier : « abime.dat »",
        kAbsentMessage};
    EXPECT_EQ(host.dialogs.messages, expected);
}

TEST_F(FileMenu, AFileNamedAtStartOpensWithoutADialogAndShowsItsEnd) {
    QByteArray bytes =
        "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n0,\"\",\"1\",\"\",\"\"\r\n";
    for (int i = 0; i < 60; ++i) {
        bytes += "0,\"+\",\"1\",\"\",\"\"\r\n";
    }
    WriteFile("long.dat", bytes);
    window.OpenFile(Path("absent.dat"));
    EXPECT_EQ(host.dialogs.messages, std::vector<std::string>{kAbsentMessage});
    EXPECT_EQ(window.windowTitle(), "Tallimo");
    window.OpenFile(Path("long.dat"));
    EXPECT_TRUE(host.file_requests.empty());
    EXPECT_EQ(window.windowTitle(), "Tallimo - long.dat");
    EXPECT_EQ(window.Grid().GridLine(), 61);
    const QTableView* view = window.GridView();
    const QModelIndex open = view->model()->index(window.Grid().GridLine(), 0);
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(open)))
        << "the last line and the open row are in view";
}

TEST_F(FileMenu, EmptyFileAndCancelledLastLine) {
    WriteFile("vide.dat", "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n");
    WriteFile("annule.dat",
              "\"Kestrone Application Virelle\"\r\n\"1.4.2\"\r\n0,\"\",\"3\",\"\",\"\"\r\n"
              "3,\"\",\"Annulation\",\"\",\"\"\r\n");
    Keys({KeyId::Chiffre9, KeyId::Operateur0});
    answer = Path("vide.dat");
    Open(window);
    EXPECT_EQ(window.Grid().GridLine(), 0);
    EXPECT_EQ(window.Engine().State().Entry, EntryState::Cleared);
    Keys({KeyId::Chiffre5, KeyId::Egal});
    EXPECT_EQ(window.Dial()->text(), "5") << "the 9 + typed before is gone";
    answer = Path("annule.dat");
    Open(window);
    EXPECT_EQ(window.Grid().GridLine(), 2);
    EXPECT_EQ(window.Dial()->text(), "0");
    EXPECT_EQ(window.Engine().State().Entry, EntryState::Cleared);
    EXPECT_TRUE(host.dialogs.messages.empty());
}

TEST_F(FileMenu, FailedSaveKeepsTheOldFileAndTheCaption) {
    Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal});
    answer = Path("absent/calcul.dat");
    Save();
    ASSERT_EQ(host.dialogs.messages.size(), 1u);
    EXPECT_EQ(host.dialogs.messages[0],
              "Une erreur s'est produite lors de la sauvegarde.\r\nFichier : « calcul.dat »");
    EXPECT_EQ(window.windowTitle(), "Tallimo");
    answer.clear();  // cancelled: nothing at all
    Save();
    EXPECT_EQ(host.dialogs.messages.size(), 1u);
}

// A folder that cannot be written, and one that cannot be read, each get
// their own message; a long name is shortened in its middle.
class FolderPermissions : public FileMenu {
  protected:
    void SetUp() override {
        Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal});
        ASSERT_TRUE(QDir(folder.path()).mkdir("lecture"));
        answer =
            Path("lecture/") + QStringLiteral("releve-") + QString(70, QLatin1Char('x')) + ".dat";
    }
    const std::string locked = Path("lecture").toStdString();
    const std::string shown =
        "releve-" + std::string(23, 'x') + "…" + std::string(25, 'x') + ".dat";
};

TEST_F(FolderPermissions, AFolderThatCannotBeWritten) {
    {
        ReadOnlyFolder read_only(locked);
        if (!read_only.Made()) {
            GTEST_SKIP() << "this file system cannot make a folder read-only for root";
        }
        Save();
    }
    ASSERT_EQ(host.dialogs.messages.size(), 1u);
    EXPECT_EQ(host.dialogs.messages[0],
              "Le fichier « " + shown +
                  " » ne peut pas être enregistré :\r\nvous n'avez pas la permission "
                  "d'écrire dans son dossier, ou il est en lecture seule.");
    EXPECT_EQ(window.windowTitle(), "Tallimo");
    EXPECT_TRUE(QDir(Path("lecture")).isEmpty()) << "no temporary file left";
}

TEST_F(FolderPermissions, AFolderThatCannotBeRead) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    Save();
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    Open(window);
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(host.dialogs.messages.back(),
              "Le fichier « " + shown +
                  " » ne peut pas être ouvert :\r\nvous n'avez pas la permission de le lire ou "
                  "d'ouvrir son dossier.");
}

TEST_F(FileMenu, BlankGridStartsAgain) {
    Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal});
    answer = Path("a.dat");
    Save();
    window.MenuItem(MenuCommand::BlankGrid)->trigger();
    EXPECT_EQ(window.Grid().GridLine(), 0);
    EXPECT_EQ(window.Dial()->text(), "0");
    EXPECT_EQ(window.windowTitle(), "Tallimo");
    EXPECT_EQ(window.Engine().State().Entry, EntryState::Cleared);
}

TEST_F(FileMenu, FirstDialogStartsInTheDocumentsFolder) {
    answer.clear();
    Open(window);
    ASSERT_EQ(Requests().size(), 1u);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(Requests()[0].directory, QDir(documents).exists() ? documents : QDir::homePath());
}

}  // namespace
}  // namespace tallimo::testing
