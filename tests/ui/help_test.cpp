// The installed help: its links, its keyboard table against the program's
// own, its messages against those the program shows, and its window.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <map>
#include <set>

#include "app/calc_document.h"
#include "app/command_line.h"
#include "app/frm_calc.h"
#include "app/menu_commands.h"
#include "appearance/ui/frm_config.h"
#include "converter/base_conversion.h"
#include "dates/date_shift.h"
#include "engine/keyboard.h"
#include "engine/operators.h"
#include "fake_host.h"
#include "gridwork/calc_file.h"
#include "gridwork/line_edit.h"
#include "gridwork/print_layout.h"
#include "help/ui/help_window.h"
#include "help/ui/product_info.h"
#include "platform/c_print_dlg.h"
#include "platform/shell_execute.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

QString HelpFolder() {
    return FindHelpFolder();
}

QString ReadPage(const QString& name) {
    QFile file(QDir(HelpFolder()).filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The text a reader sees, on one line, spaces collapsed.
QString PlainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText()
        .replace(QChar::LineSeparator, QLatin1Char(' '))
        .replace(QChar::Nbsp, QLatin1Char(' '))
        .simplified();
}

QString Simplified(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .simplified();
}

bool HasAnchor(const QString& html, const QString& anchor) {
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
           html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

// Where a link of `page` leads, if it stays inside the help: an empty text
// when it does, else what is wrong with it.
QString CheckInnerLink(const QString& page, const QString& link) {
    const QUrl url(link);
    const QString target = url.path().isEmpty() ? page : url.path();
    if (!QFile::exists(QDir(HelpFolder()).filePath(target))) {
        return page + QStringLiteral(": no page ") + link;
    }
    if (url.hasFragment() && !HasAnchor(ReadPage(target), url.fragment())) {
        return page + QStringLiteral(": no anchor ") + link;
    }
    return {};
}

void CollectTopicPages(const std::vector<HelpTopic>& topics, std::vector<QString>& pages) {
    for (const HelpTopic& topic : topics) {
        pages.push_back(topic.page);
        CollectTopicPages(topic.children, pages);
    }
}

TEST(HelpPages, EveryLinkOfEveryPageResolves) {
    ASSERT_FALSE(HelpFolder().isEmpty()) << "the build puts the help beside the programs";
    const ProductInfo product = Product();
    const QStringList pages = QDir(HelpFolder()).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 12);
    const QRegularExpression links(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    int inner_links = 0;
    for (const QString& page : pages) {
        const QString html = ReadPage(page);
        EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@"))))
            << page.toStdString() << " keeps a product variable unfilled";
        for (const QRegularExpressionMatch& match : links.globalMatch(html)) {
            const QString link = match.captured(1);
            if (link.startsWith(QStringLiteral("mailto:"))) {
                EXPECT_EQ(link, QStringLiteral("mailto:") + product.contact_mail);
            } else if (link.contains(QStringLiteral("://"))) {
                EXPECT_EQ(link, product.home_page) << page.toStdString();
            } else {
                EXPECT_EQ(CheckInnerLink(page, link), QString());
                ++inner_links;
            }
        }
    }
    EXPECT_GT(inner_links, 40);
}

TEST(HelpPages, ContentsAndIndexLeadToPagesThatExistAndCoverThemAll) {
    const std::optional<HelpBook> book = LoadHelpBook(HelpFolder());
    ASSERT_TRUE(book);
    std::vector<QString> targets;
    CollectTopicPages(book->topics, targets);
    std::set<QString> pages_in_contents;
    for (const QString& page : targets) {
        EXPECT_EQ(CheckInnerLink(QStringLiteral("aide.xml"), page), QString());
        pages_in_contents.insert(QUrl(page).path());
    }
    for (const HelpIndexEntry& entry : book->index) {
        EXPECT_EQ(CheckInnerLink(QStringLiteral("aide.xml"), entry.page), QString())
            << entry.keyword.toStdString();
    }
    EXPECT_GT(book->index.size(), 40u);
    for (const QString& page : QDir(HelpFolder()).entryList({QStringLiteral("*.html")})) {
        EXPECT_TRUE(pages_in_contents.count(page)) << page.toStdString() << " not in the contents";
    }
    // Every window and subject the program asks help for has its topic.
    for (int context = kHelpCalculator; context <= kHelpMessages; ++context) {
        EXPECT_FALSE(book->PageOfContext(context).isEmpty()) << context;
    }
}

// A row of the help's keyboard table: the keys it names, with which
// modifiers, and the keypad key it says they work.
struct KeyboardRow {
    std::vector<int> codes;
    bool alone = false;
    bool shifted = false;
    QString target;  // "fonction:2:droit"; "*" for the index: code - first code
    QString text;
};

std::vector<KeyboardRow> KeyboardRows() {
    std::vector<KeyboardRow> rows;
    const QRegularExpression row_pattern(
        QStringLiteral(
            "<tr data-vk=\"([^\"]+)\" data-mod=\"([^\"]+)\" data-touche=\"([^\"]+)\">(.*?)</tr>"),
        QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& match :
         row_pattern.globalMatch(ReadPage(QStringLiteral("clavier.html")))) {
        KeyboardRow row;
        for (const QString& part : match.captured(1).split(QLatin1Char(' '))) {
            const QStringList range = part.split(QLatin1Char('-'));
            for (int code = range.front().toInt(); code <= range.back().toInt(); ++code) {
                row.codes.push_back(code);
            }
        }
        row.alone = match.captured(2) != QLatin1String("maj");
        row.shifted = match.captured(2) != QLatin1String("seule");
        row.target = match.captured(3);
        row.text = match.captured(4);
        rows.push_back(row);
    }
    return rows;
}

// The keypad key of an action in the help's words.
QString TargetOf(const KeyboardAction& action) {
    if (action.grid_key) {
        return QStringLiteral("grille");
    }
    static const std::map<Key, QString> names = {
        {Key::Digit, QStringLiteral("chiffre")},
        {Key::DecimalComma, QStringLiteral("virgule")},
        {Key::Constant, QStringLiteral("pi")},
        {Key::Sign, QStringLiteral("signe")},
        {Key::Backspace, QStringLiteral("retour")},
        {Key::CancelEntry, QStringLiteral("annule-entree")},
        {Key::Cancel, QStringLiteral("reinitialise")},
        {Key::Operator, QStringLiteral("operateur")},
        {Key::Equals, QStringLiteral("egal")},
        {Key::Function, QStringLiteral("fonction")},
        {Key::Memory, QStringLiteral("memoire")},
    };
    QString target = names.at(action.key.key);
    const bool indexed = action.key.key == Key::Digit || action.key.key == Key::Operator ||
                         action.key.key == Key::Function || action.key.key == Key::Memory;
    if (indexed) {
        target += QStringLiteral(":%1").arg(action.key.index);
    }
    if (action.key.button != 0) {
        target += action.key.button == 1 ? QStringLiteral(":gauche") : QStringLiteral(":droit");
    }
    return target;
}

QString RowTarget(const KeyboardRow& row, int code) {
    QString target = row.target;
    return target.replace(QStringLiteral("*"), QString::number(code - row.codes.front()));
}

// Both ways: every key the help names does what it says, and every key of
// the program, alone or with Shift, is in the help.
TEST(HelpKeyboard, TheHelpNamesEveryKeyAndWhatItDoes) {
    const std::vector<KeyboardRow> rows = KeyboardRows();
    ASSERT_GT(rows.size(), 20u);
    std::set<std::pair<int, int>> documented;  // code and mask
    for (const KeyboardRow& row : rows) {
        for (const int code : row.codes) {
            for (const int mask : {0, kShiftMask}) {
                if (!(mask == 0 ? row.alone : row.shifted)) {
                    continue;
                }
                documented.emplace(code, mask);
                const std::optional<KeyboardAction> action = MapKeyboardKey(code, mask);
                ASSERT_TRUE(action) << "key " << code << " does nothing";
                EXPECT_EQ(TargetOf(*action), RowTarget(row, code)) << "key " << code;
            }
            // Letters and function keys are named as on the key cap.
            QString cap;
            if (code >= vk::kA && code <= vk::kA + 25) {
                cap = QChar(code);
            } else if (code >= vk::kF1 && code <= vk::kF1 + 5) {
                cap = QStringLiteral("F%1").arg(code - vk::kF1 + 1);
            }
            // A range names its ends only.
            const bool named =
                row.codes.size() <= 2 || code == row.codes.front() || code == row.codes.back();
            if (!cap.isEmpty() && named) {
                EXPECT_TRUE(row.text.contains(QStringLiteral("<kbd>%1</kbd>").arg(cap)))
                    << row.text.toStdString();
            }
        }
    }
    for (int code = 0; code < 256; ++code) {
        for (const int mask : {0, kShiftMask}) {
            EXPECT_EQ(MapKeyboardKey(code, mask).has_value(), documented.contains({code, mask}))
                << "key " << code << " with mask " << mask;
        }
    }
    EXPECT_GT(documented.size(), 100u);
}

TEST(HelpMessages, EveryMessageOfTheProgramIsExplained) {
    const QString help = PlainText(ReadPage(QStringLiteral("messages.html")));
    std::vector<std::string> messages;
    for (const EvalError error :
         {EvalError::DivisionByZero, EvalError::NegativeBaseFractionalExponent,
          EvalError::LogOfNonPositive, EvalError::LogBaseOne, EvalError::Overflow}) {
        messages.emplace_back(EvalErrorMessage(error));
    }
    for (const FileError error :
         {FileError::OpenFailed, FileError::WrongFormat, FileError::ReadFailed,
          FileError::WriteFailed, FileError::NotFound, FileError::ReadDenied,
          FileError::WriteDenied}) {
        messages.push_back(FileErrorMessage(error, "/un/dossier/nom.dat"));
    }
    for (int code = -1; code <= 32; ++code) {
        messages.emplace_back(ShellErrorMessage(code));
    }
    for (const int code : {1, 4103, 4104, kPrinterNotFound}) {
        messages.push_back(PrintDialogErrorMessage(code).toStdString());
    }
    // What the command line writes on the terminal instead of a window.
    for (const QStringList& mistake :
         {QStringList{"tallimo", "--aide"}, QStringList{"tallimo", "a.dat", "b.dat"}}) {
        messages.push_back(ReadCommandLine(mistake, "Tallimo", "1.5.0").error.toStdString());
    }
    messages.insert(
        messages.end(),
        {std::string(kCancellationLineMessage), std::string(kInvalidOperandMessage),
         std::string(kEmptyGridPrintMessage), std::string(kMinimumPaperMessage),
         std::string(kPrintFailedMessage), std::string(kDateRangeMessage),
         std::string(kDecimalsPrompt), kHelpMissingMessage, std::string(kColorsNotSaved),
         std::string(kOperationInProgress), std::string(kNothingToSave),
         std::string(kNothingToExport), std::string(kInvalidEntry)});
    for (const std::string& message : messages) {
        EXPECT_TRUE(help.contains(Simplified(message))) << message;
    }
}

// The help's way of writing a key: "Ctrl+Page préc." is
// "<kbd>Ctrl</kbd>+<kbd>Page préc.</kbd>"; "Alt+" stays open for a letter.
QString Kbd(const QString& keys) {
    QStringList parts = keys.split(QLatin1Char('+'));
    for (QString& part : parts) {
        if (!part.isEmpty()) {
            part = QStringLiteral("<kbd>") + part + QStringLiteral("</kbd>");
        }
    }
    return parts.join(QLatin1Char('+'));
}

// The source file of a window, wherever it lies in the tree.
QString ReadSource(const QString& file_name) {
    QDirIterator files(QStringLiteral(TALLIMO_SOURCE_DIR), {file_name}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!path.contains(QStringLiteral("/build")) && !path.contains(QStringLiteral("/tests/"))) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            return QString::fromUtf8(file.readAll());
        }
    }
    ADD_FAILURE() << "no " << file_name.toStdString();
    return {};
}

// Every key a window acts on is on its page. The keys are read from the
// window's source (its Qt::Key_ and QKeySequence names), so a key added there
// must be added to the help; the keys that a modifier changes are given
// beside.
TEST(HelpKeys, EveryKeyThatDoesSomethingInAWindowIsOnItsPage) {
    const std::map<QString, QStringList> words = {
        {"Up", {"↑"}},
        {"Down", {"↓"}},
        {"Left", {"←"}},
        {"Right", {"→"}},
        {"Home", {"Origine"}},
        {"PageUp", {"Page préc."}},
        {"PageDown", {"Page suiv."}},
        {"Return", {"Entrée"}},
        {"Enter", {"Entrée"}},
        {"Escape", {"Échap"}},
        {"Delete", {"Suppr"}},
        {"Space", {"Espace"}},
        {"G", {"G"}},
        {"Z", {"Ctrl+Z"}},
        {"Y", {"Ctrl+Y"}},
        {"F1", {"F1"}},
        {"F5", {"F5"}},
        {"Paste", {"Ctrl+V", "Maj+Inser"}},
        {"Cut", {"Ctrl+X"}},
        {"Copy", {"Ctrl+C"}},
        {"Undo", {"Ctrl+Z"}},
        {"Redo", {"Ctrl+Maj+Z"}},
        {"SelectAll", {"Ctrl+A"}},
        {"mnemonic", {"Alt+"}},
    };
    struct WindowKeys {
        const char* source;
        const char* page;
        QStringList with_modifiers;
    };
    const WindowKeys windows[] = {
        {"kst_d_grid.cpp", "convertisseur.html", {"Retour arrière", "Tab"}},
        {"calendar.cpp",
         "dates.html",
         {"Ctrl+Page préc.", "Ctrl+Page suiv.", "Maj+Page préc.", "Maj+Page suiv."}},
        {"edit_panel.cpp", "grille.html", {"Maj+Entrée", "Ctrl+Entrée"}},
        {"calc_grid_view.cpp", "grille.html", {"Ctrl+Maj+Z"}},
        {"frm_about.cpp", "apropos.html", {"Tab"}},
        {"frm_config.cpp", "couleurs.html", {"↑", "↓", "Tab", "Espace", "Échap"}},
    };
    const QRegularExpression key_names(QStringLiteral("(?:Qt::Key_|QKeySequence::)([A-Za-z0-9]+)"));
    for (const WindowKeys& window : windows) {
        const QString page = ReadPage(QString::fromLatin1(window.page));
        QStringList keys = window.with_modifiers;
        for (const QRegularExpressionMatch& match :
             key_names.globalMatch(ReadSource(QString::fromLatin1(window.source)))) {
            const auto known = words.find(match.captured(1));
            ASSERT_NE(known, words.end()) << window.source << ": how does the help write "
                                          << match.captured(1).toStdString() << "?";
            keys += known->second;
        }
        for (const QString& key : keys) {
            EXPECT_TRUE(page.contains(Kbd(key)))
                << window.page << " lacks " << Kbd(key).toStdString();
        }
    }
    // The menus' shortcuts, in the calculator's keyboard page.
    const QString keyboard = ReadPage(QStringLiteral("clavier.html"));
    for (const MenuCommandInfo& command : MenuCommands()) {
        const QString shortcuts = QString::fromUtf8(
            command.shortcut.data(), static_cast<qsizetype>(command.shortcut.size()));
        for (QString shortcut : shortcuts.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            shortcut.replace(QStringLiteral("Shift"), QStringLiteral("Maj"));
            EXPECT_TRUE(keyboard.contains(Kbd(shortcut))) << shortcut.toStdString();
        }
    }
}

TEST(HelpPages, TheFileFormatPageShowsWhatTheProgramWrites) {
    const QString page = PlainText(ReadPage(QStringLiteral("format.html")));
    EXPECT_TRUE(page.contains(QStringLiteral("\"%1\"").arg(Simplified(kCalculationFileHeader))));
    EXPECT_TRUE(page.contains(QStringLiteral("\"%1\"").arg(Simplified(kCalculationFileVersion))));
}

class HelpWindowTest : public ::testing::Test {
  protected:
    HelpWindow* Show(int context) { return ShowHelpFrom(host_, &owner_, HelpFolder(), context); }
    QTabWidget* Tabs(HelpWindow* window) {
        return window->findChild<QTabWidget*>(QStringLiteral("tabAide"));
    }

    testing::FakeHost host_;
    QWidget owner_;
};

TEST_F(HelpWindowTest, ContextsOpenTheContentsTheIndexOrATopic) {
    HelpWindow* window = Show(kHelpContents);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->CurrentPage(), window->Book().home);
    EXPECT_EQ(Tabs(window)->currentIndex(), 0);

    EXPECT_EQ(Show(kHelpKeyboard), window) << "one window serves every call";
    EXPECT_EQ(window->CurrentPage(), QStringLiteral("clavier.html"));
    EXPECT_EQ(Show(kHelpFileFormat)->CurrentPage(), QStringLiteral("format.html"));

    Show(kHelpIndex);
    EXPECT_EQ(Tabs(window)->currentIndex(), 1);
    EXPECT_EQ(window->CurrentPage(), QStringLiteral("format.html")) << "the page stays";

    Show(999);
    EXPECT_EQ(window->CurrentPage(), window->Book().home);
    EXPECT_TRUE(host_.dialogs.messages.empty());
}

TEST_F(HelpWindowTest, TheIndexFindsAKeywordWhateverItsAccentsAndCase) {
    HelpWindow* window = Show(kHelpIndex);
    auto* field = window->findChild<QLineEdit*>(QStringLiteral("txtIndex"));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("lstIndex"));
    ASSERT_TRUE(field && list);
    QTest::keyClicks(field, QStringLiteral("DECIMALES"));
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Décimales"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(window->CurrentPage(), QStringLiteral("fonctions.html#decimales"));
}

TEST_F(HelpWindowTest, InnerLinksStayInTheWindowAndOthersGoToTheDesktop) {
    HelpWindow* window = Show(kHelpContents);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("brwPage"));
    emit browser->anchorClicked(QUrl(QStringLiteral("grille.html#annules")));
    EXPECT_EQ(window->CurrentPage(), QStringLiteral("grille.html#annules"));
    emit browser->anchorClicked(QUrl(QStringLiteral("#mode")));
    EXPECT_EQ(window->CurrentPage(), QStringLiteral("grille.html#mode"));
    EXPECT_TRUE(host_.opened_urls.empty());

    const QUrl home(Product().home_page);
    host_.open_url_result = false;
    emit browser->anchorClicked(home);
    ASSERT_EQ(host_.opened_urls.size(), 1u);
    EXPECT_EQ(host_.opened_urls.front(), home);
    EXPECT_EQ(window->CurrentPage(), QStringLiteral("grille.html#mode"));
    ASSERT_EQ(host_.dialogs.messages.size(), 1u);
    EXPECT_EQ(host_.dialogs.messages.front(),
              "Aucune application n'est associée à ce type de fichier.");
    EXPECT_EQ(host_.dialogs.icons.front(), MessageIcon::Critical);
}

TEST(HelpMissing, AFolderWithoutHelpSaysSoAndOpensNothing) {
    testing::FakeHost host;
    QTemporaryDir empty;
    EXPECT_EQ(ShowHelpFrom(host, nullptr, empty.path(), kHelpContents), nullptr);
    ASSERT_EQ(host.dialogs.messages.size(), 1u);
    EXPECT_EQ(host.dialogs.messages.front(), kHelpMissingMessage);
    EXPECT_EQ(host.dialogs.icons.front(), MessageIcon::Critical);
}

}  // namespace
}  // namespace tallimo
