// The calculator window driven as a user would: mouse clicks on the keys,
// keys of the keyboard (French layout), grid mode, the clipboard.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "app/status_panel.h"
#include "converter/ui/frm_hod.h"
#include "dates/ui/frm_date.h"
#include "grid/ui/calc_grid_model.h"
#include "help/ui/help_window.h"
#include "window_fixture.h"

namespace tallimo::testing {
namespace {

class Window : public WindowTest {
  protected:
    // A key of the keyboard, as the platform reports it.
    void Press(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {},
               quint32 scan_code = 0) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, scan_code, 0, 0, text);
        QApplication::sendEvent(&window, &event);
    }
    // Lets every key's pressed look end, so that the keys act.
    void WaitForKeys() {
        host.EndPauses();
        ASSERT_FALSE(window.KeysPending());
    }
    std::string Dial() const { return window.Dial()->text().toStdString(); }
    std::string Value(int row) const { return window.Grid().Row(row).Value; }
};

TEST_F(Window, MouseClicksReachTheEngineWithTheirButton) {
    Keys({KeyId::Chiffre3, KeyId::Decimal, KeyId::Chiffre2, KeyId::Chiffre5});
    Click(KeyId::Fonction2, Qt::RightButton);  // right: decimal part
    EXPECT_EQ(Dial(), "0,25");
    EXPECT_EQ(window.Grid().Row(1).Operation, "0,00");
    Click(KeyId::Mem0);  // left: store
    EXPECT_EQ(window.MemoryPanel(0)->text(), "M1: 0,25");
    Click(KeyId::Operateur0);
    Click(KeyId::Mem0, Qt::RightButton);  // right: recall
    Click(KeyId::Egal);
    EXPECT_EQ(Dial(), "0,5");
    Click(KeyId::Fonction8, Qt::LeftButton);  // "Décimal" of a whole number: no question
    EXPECT_EQ(Dial(), "0,5");
    host.dialogs.otherwise = "0";
    Click(KeyId::Fonction8, Qt::RightButton);
    EXPECT_EQ(window.Grid().Row(window.Grid().GridLine() - 1).Operation, "Arrond");
    EXPECT_EQ(Dial(), "0");
}

TEST_F(Window, EngineMessagesGoToTheMessageBox) {
    Keys({KeyId::Chiffre5, KeyId::Operateur3, KeyId::Chiffre0, KeyId::Egal});
    ASSERT_EQ(host.dialogs.messages.size(), 1u);
    EXPECT_EQ(host.dialogs.messages[0], "Erreur: Division par zéro.");
    // The failed step ends the calculation, in the grid as on the display.
    EXPECT_EQ(Dial(), "0");
    EXPECT_EQ(window.Grid().Row(2).Operation, "=");
    EXPECT_EQ(window.Grid().Row(2).Value, "Erreur!");
}

TEST_F(Window, KeyFaceIsPressedDuringThePauseAndRestoredAfter) {
    KstGdiCtl* seven = window.KeyControl(KeyId::Chiffre7);
    const QImage fresh = seven->Picture();
    Press(Qt::Key_7, Qt::KeypadModifier, "7");
    EXPECT_NE(seven->Picture(), fresh) << "the pressed ring shows during the pause";
    EXPECT_EQ(Dial(), "0") << "the key acts on its release";
    WaitForKeys();
    EXPECT_EQ(seven->Picture(), fresh);
    EXPECT_EQ(Dial(), "7");
}

struct TypedKey {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    quint32 scan_code;
};

TEST_F(Window, FrenchLayoutKeysMapToTheKeypad) {
    // "é" unshifted on the digit row is 2; ";" is the integer part and
    // Shift+";" (which types ".") the decimal part; "ù" is Mod; ":" on its
    // own key with "/" is the division; "*" the product.
    const TypedKey keys[] = {
        {Qt::Key_Ampersand, {}, "&", 10},             // 1
        {Qt::Key_Eacute, {}, "é", 11},                // 2
        {Qt::Key_Comma, {}, ",", 0},                  // ,
        {Qt::Key_Agrave, {}, "à", 19},                // 0
        {Qt::Key_5, Qt::ShiftModifier, "5", 14},      // 5 with Shift
        {Qt::Key_Asterisk, {}, "*", 0},               // x
        {Qt::Key_4, Qt::KeypadModifier, "4", 0},      // pad 4
        {Qt::Key_Return, {}, "\r", 0},                // =
        {Qt::Key_Period, Qt::ShiftModifier, ".", 0},  // decimal part
    };
    for (const TypedKey& k : keys) {
        Press(k.key, k.modifiers, QString::fromUtf8(k.text), k.scan_code);
    }
    WaitForKeys();
    // 12,05 x 4 = 48,2, then its decimal part.
    EXPECT_EQ(Value(2), "48,2");
    EXPECT_EQ(Dial(), "0,2");
    Press(Qt::Key_Ugrave, {}, "ù");
    Press(Qt::Key_3, Qt::ShiftModifier, "3", 12);
    Press(Qt::Key_Enter, Qt::KeypadModifier, "\r");
    WaitForKeys();
    EXPECT_EQ(window.Grid().Row(4).Operation, "Mod");
    Press(Qt::Key_7, Qt::AltModifier, "7", 16);  // Alt alone: nothing
    Press(Qt::Key_C, Qt::ControlModifier, "c");  // the menu's, never the square
    WaitForKeys();
    EXPECT_EQ(window.Grid().GridLine(), 6);
    Press(Qt::Key_8, Qt::AltModifier | Qt::ControlModifier, "8", 17);  // AltGr still maps
    WaitForKeys();
    EXPECT_EQ(Dial(), "8");
    // Without a numeric pad: Shift+"=" types "+", "=" is equals.
    Press(Qt::Key_Plus, Qt::ShiftModifier, "+", 21);
    Press(Qt::Key_3, Qt::ShiftModifier, "3", 12);
    Press(Qt::Key_Equal, {}, "=", 21);
    WaitForKeys();
    EXPECT_EQ(Dial(), "11");
}

// A burst of keys, with a click among them, acts as the same keys typed one
// by one: no key waits for the look of the key before it, and only the last
// one still shows its look after the burst.
TEST_F(Window, KeysTypedFasterThanThePauseKeepTheirOrder) {
    const QString script = "12+34-5*6=2/4=+98-7=";  // 20 keys, a click after the 10th
    const QString symbols = "+-*/=";
    const int pad_keys[] = {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk, Qt::Key_Slash,
                            Qt::Key_Enter};
    auto type = [&](FrmCalc& target, int i) {
        const QChar c = script[i];
        const int op = static_cast<int>(symbols.indexOf(c));
        QKeyEvent event(QEvent::KeyPress, op >= 0 ? pad_keys[op] : Qt::Key_0 + c.digitValue(),
                        Qt::KeypadModifier, QString(c));
        QApplication::sendEvent(&target, &event);
        if (i == 9) {
            QTest::mouseClick(target.KeyControl(KeyId::Chiffre5), Qt::LeftButton, {},
                              QPoint(13, 13));
        }
    };
    FrmCalc slow(host);
    KstGdiCtl* equals = window.KeyControl(KeyId::Egal);
    const QImage released = equals->Picture();
    for (int i = 0; i < script.size(); ++i) {
        type(window, i);  // all at once
    }
    EXPECT_EQ(Dial(), "7") << "every key but the last has acted";
    EXPECT_NE(equals->Picture(), released) << "the last key keeps its look";
    for (int i = 0; i < script.size(); ++i) {
        type(slow, i);
        host.EndPauses();
    }
    WaitForKeys();
    EXPECT_EQ(equals->Picture(), released);
    EXPECT_EQ(Dial(), "104");  // (12 + 34 - 5) x 6, then 52 / 4 + 98 - 7
    EXPECT_EQ(slow.Dial()->text(), "104");
    EXPECT_EQ(window.Grid().Rows(), slow.Grid().Rows());
}

TEST_F(Window, KeysTypedBeforeTheWindowLosesTheFocusAllAct) {
    for (const char c : {'4', '5', '6'}) {
        Press(Qt::Key_0 + (c - '0'), Qt::KeypadModifier, QString(QChar::fromLatin1(c)));
    }
    window.Run(MenuCommand::Converter);  // a window of its own takes the focus
    WaitForKeys();
    EXPECT_EQ(Dial(), "456");
}

// A menu command, its shortcut included, acts after every key typed before
// it, however fast they came.
TEST_F(Window, MenuCommandsActAfterTheKeysTypedBeforeThem) {
    auto type = [this](const QString& keys) {
        for (QChar c : keys) {
            const int key = c == '+'   ? Qt::Key_Plus
                            : c == '=' ? Qt::Key_Enter
                                       : Qt::Key_0 + c.digitValue();
            Press(key, Qt::KeypadModifier, QString(c));
        }
    };
    type("45678");
    window.MenuItem(MenuCommand::Copy)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "45678") << "at once, after every key";
    EXPECT_FALSE(window.KeysPending());

    QGuiApplication::clipboard()->setText("5");
    Click(KeyId::Cancel);
    type("1+");
    window.MenuItem(MenuCommand::Paste)->trigger();
    type("=");
    WaitForKeys();
    EXPECT_EQ(Dial(), "6");
    QGuiApplication::clipboard()->setText("pas un nombre");  // no number: nothing, silently
    window.MenuItem(MenuCommand::Paste)->trigger();
    EXPECT_EQ(Dial(), "6");
    EXPECT_TRUE(host.dialogs.messages.empty());

    type("1+2=");
    window.MenuItem(MenuCommand::BlankGrid)->trigger();
    WaitForKeys();
    EXPECT_EQ(window.Grid().GridLine(), 0) << "the grid is emptied after the keys wrote to it";
    EXPECT_EQ(Dial(), "0");
}

TEST_F(Window, GridModeNeedsLinesAndNoCalculation) {
    KstGdiCtl* grid_key = window.KeyControl(KeyId::Grille);
    const QImage calculator_face = grid_key->Picture();
    Press(Qt::Key_G, {}, "g");
    WaitForKeys();
    EXPECT_FALSE(window.InGridMode()) << "empty grid";
    Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Grille});
    EXPECT_FALSE(window.InGridMode()) << "calculation in progress";
    Keys({KeyId::Chiffre4, KeyId::Egal, KeyId::Grille});
    ASSERT_TRUE(window.InGridMode());
    EXPECT_NE(grid_key->Picture(), calculator_face);
    EXPECT_TRUE(window.GridView()->InputEnabled());
    EXPECT_EQ(window.focusWidget(), window.GridView());
    EXPECT_EQ(window.GridView()->CurrentRow(), 2) << "the last recorded line";
    EXPECT_FALSE(window.KeyControl(KeyId::Chiffre3)->isVisible());
    EXPECT_TRUE(grid_key->isVisible());
    EXPECT_FALSE(window.findChild<QMenu*>("mnuPrin0")->isEnabled());
    EXPECT_FALSE(window.findChild<QMenu*>("mnuPrin1")->isEnabled());
    EXPECT_TRUE(window.findChild<QMenu*>("mnuPrin2")->isEnabled());

    // F1 on the current line keeps its value in memory 1; G goes back.
    window.GridView()->setCurrentIndex(window.GridView()->model()->index(1, 0));
    QTest::keyClick(window.GridView(), Qt::Key_F1);
    EXPECT_EQ(window.MemoryPanel(0)->text(), "M1: 4");
    window.GridView()->setCurrentIndex(window.GridView()->model()->index(3, 0));
    QTest::keyClick(window.GridView(), Qt::Key_F2);  // the open row: nothing to keep
    EXPECT_EQ(window.MemoryPanel(1)->text(), "M2: 0");
    QTest::keyClick(window.GridView(), Qt::Key_7);
    EXPECT_EQ(Dial(), "7") << "keys in grid mode never reach the keypad";
    QTest::keyClick(window.GridView(), Qt::Key_G);
    EXPECT_FALSE(window.InGridMode());
    EXPECT_EQ(grid_key->Picture(), calculator_face);
    EXPECT_FALSE(window.GridView()->InputEnabled());
    EXPECT_TRUE(window.KeyControl(KeyId::Chiffre3)->isVisible());
    EXPECT_TRUE(window.findChild<QMenu*>("mnuPrin0")->isEnabled());
}

TEST_F(Window, LineKindsShowTheirColours) {
    // 3 + 4 = then the sign, then 5 + and a reset: one line of each kind.
    Keys({KeyId::Chiffre3, KeyId::Operateur0, KeyId::Chiffre4, KeyId::Egal, KeyId::Signe,
          KeyId::Chiffre5, KeyId::Operateur0, KeyId::Cancel});
    const QAbstractItemModel* model = window.GridView()->model();
    auto back = [&](int row, int column) {
        return model->index(row, column).data(Qt::BackgroundRole).value<QColor>();
    };
    const QColor base = QApplication::palette().color(QPalette::Base);
    EXPECT_EQ(back(0, 0), base);
    EXPECT_EQ(back(2, 0), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(back(2, 1), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(back(3, 1), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(back(5, 0), QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(model->index(5, 1).data(Qt::ForegroundRole).value<QColor>(),
              QApplication::palette().color(QPalette::HighlightedText));
    EXPECT_EQ(model->index(5, 1).data().toString(), "Annulation");
    EXPECT_EQ(back(5, 2), base);
}

// A key sequence given to two commands would do neither.
TEST_F(Window, EveryShortcutBelongsToOneCommand) {
    std::set<QString> shortcuts;
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_TRUE(shortcuts.insert(key.toString()).second) << key.toString().toStdString();
        }
    }
    EXPECT_TRUE(shortcuts.count("Ctrl+G") && shortcuts.count("Ctrl+S") &&
                shortcuts.count("Ctrl+Z"));
    // The file menu as it shows: the added items before "Quitter", which
    // comes last after a line, every item with its shortcut.
    QStringList file_menu;
    for (const QAction* action : window.findChild<QMenu*>("mnuPrin0")->actions()) {
        file_menu << (action->isSeparator()
                          ? QStringLiteral("--")
                          : action->text() + QStringLiteral(" | ") + action->shortcut().toString());
    }
    EXPECT_EQ(file_menu,
              QStringList({"Grille vierge | Ctrl+G", "Ouvrir | Ctrl+O", "Enregistrer | Ctrl+S",
                           "Imprimer | Ctrl+P", "Aperçu avant impression | ", "--",
                           "Rouvrir la dernière grille | ", "Exporter pour un tableur… | ", "--",
                           "Quitter | Ctrl+Q"}));
}

TEST_F(Window, ViewAndHelpMenusOpenOneModelessWindowOfEachKind) {
    const MenuCommand commands[] = {MenuCommand::Converter, MenuCommand::DateCalculator,
                                    MenuCommand::Help};
    for (const MenuCommand command : commands) {
        window.Run(command);
    }
    auto* dates = window.findChild<FrmDate*>();
    const QList<QWidget*> opened = {window.findChild<FrmHOD*>(), dates,
                                    window.findChild<HelpWindow*>()};
    ASSERT_FALSE(opened.contains(nullptr));
    dates->showMinimized();
    for (const MenuCommand command : commands) {
        window.Run(command);
    }
    EXPECT_FALSE(dates->isMinimized());
    EXPECT_EQ(window.findChildren<FrmHOD*>().size() + window.findChildren<FrmDate*>().size() +
                  window.findChildren<HelpWindow*>().size(),
              3);
    for (QWidget* other : opened) {
        EXPECT_TRUE(other->isVisible());
        EXPECT_FALSE(other->isModal());
        other->close();
    }
}

TEST_F(Window, PrintingAnEmptyGridSaysSoWithoutADialog) {
    window.Run(MenuCommand::Print);
    window.Run(MenuCommand::PrintPreview);
    ASSERT_EQ(host.dialogs.messages.size(), 2u);
    EXPECT_EQ(host.dialogs.messages[0],
              "La grille de calculs est vide.\r\nAucune donnée à imprimer.");
    EXPECT_TRUE(host.print_requests.empty());
    EXPECT_TRUE(host.preview_titles.empty());
}

TEST_F(Window, GridScrollsButTakesNoInputInCalculatorMode) {
    for (int i = 0; i < 60; ++i) {
        Click(KeyId::Chiffre1);
        Click(KeyId::Operateur0);
    }
    CalcGridView* view = window.GridView();
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_EQ(bar->value(), bar->maximum()) << "the newest line in view";
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible()) << "the columns fit";
    QWheelEvent wheel(QPointF(20, 20), view->viewport()->mapToGlobal(QPointF(20, 20)), {},
                      QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    EXPECT_LT(bar->value(), bar->maximum()) << "the wheel reads the history";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(view->selectionModel()->hasSelection());
    EXPECT_NE(QApplication::focusWidget(), view);
    Keys({KeyId::Chiffre2, KeyId::Operateur0});
    EXPECT_EQ(Dial(), "62");
    EXPECT_EQ(bar->value(), bar->maximum()) << "a new line brings the end back";
}

TEST_F(Window, EnteringGridModeShowsTheLastLine) {
    for (int i = 0; i < 40; ++i) {
        Keys({KeyId::Chiffre1, KeyId::Operateur0});
    }
    Click(KeyId::Egal);
    window.GridView()->scrollToTop();
    Click(KeyId::Grille);
    ASSERT_TRUE(window.InGridMode());
    const int last = window.Grid().GridLine() - 1;
    EXPECT_EQ(window.GridView()->CurrentRow(), last);
    const QRect shown = window.GridView()->viewport()->rect();
    EXPECT_TRUE(shown.contains(window.GridView()->visualRect(window.GridView()->currentIndex())));
}

TEST_F(Window, StatusPanelsNeverCutANumberSilently) {
    host.dialogs.otherwise = "2";
    window.Run(MenuCommand::BlankGrid);
    // 1,5 ^ 1728 (about 1,9E+304) in memory 4, 12,5 in memory 1.
    for (KeyId key :
         {KeyId::Chiffre1, KeyId::Decimal, KeyId::Chiffre5, KeyId::Operateur5, KeyId::Chiffre1,
          KeyId::Chiffre7, KeyId::Chiffre2, KeyId::Chiffre8, KeyId::Egal}) {
        Click(key);
    }
    Click(KeyId::Mem3);
    Keys({KeyId::Chiffre1, KeyId::Chiffre2, KeyId::Decimal, KeyId::Chiffre5, KeyId::Mem0});
    StatusPanel* m4 = window.MemoryPanel(3);
    const QString full = m4->text();
    ASSERT_TRUE(full.startsWith("M4: ") && full.contains("E+304")) << full.toStdString();
    EXPECT_EQ(m4->toolTip(), full);
    EXPECT_EQ(m4->accessibleName(), full);
    window.resize(window.minimumSize());
    QApplication::processEvents();
    // The panels share the width: the short text whole, the long one
    // marked as shortened, and inside its panel.
    EXPECT_EQ(window.MemoryPanel(0)->ShownText(), "M1: 12,5");
    EXPECT_TRUE(m4->ShownText().endsWith(QChar(0x2026))) << m4->ShownText().toStdString();
    EXPECT_LE(m4->fontMetrics().horizontalAdvance(m4->ShownText()), m4->contentsRect().width());
    window.resize(window.minimumWidth() + 600, window.height());
    QApplication::processEvents();
    EXPECT_EQ(m4->ShownText(), full);
}

TEST_F(Window, ALargerWindowGivesTheGridTheRoom) {
    const QSize designed = window.size();
    const QRect grid = window.GridView()->geometry();
    const QPoint seven = window.KeyControl(KeyId::Chiffre7)->pos();
    window.resize(designed.width() - 100, designed.height() - 100);
    EXPECT_EQ(window.size(), designed) << "never smaller than designed";
    window.resize(designed + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_EQ(window.GridView()->geometry().size(), grid.size() + QSize(300, 200));
    EXPECT_EQ(window.GridView()->geometry().topLeft(), grid.topLeft());
    EXPECT_EQ(window.KeyControl(KeyId::Chiffre7)->pos(), seven);
    const QHeaderView* columns = window.GridView()->horizontalHeader();
    EXPECT_LE(columns->length(), window.GridView()->viewport()->width());
    EXPECT_GT(columns->sectionSize(1), 200) << "the value column takes the width";
}

TEST_F(Window, ScreenReadersNameAndPressEveryKey) {
    std::set<QString> names;
    for (int i = 0; i < kKeyCount; ++i) {
        KstGdiCtl* control = window.KeyControl(KeyAt(i));
        QAccessibleInterface* key = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->role(), QAccessible::Button) << i;
        const QString name = key->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << i;
        names.insert(name);
        EXPECT_EQ(key->text(QAccessible::Description), control->toolTip()) << i;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kKeyCount)) << "every name tells its key";
    // Every key can be seen whole and pressed: inside the window, over no other.
    for (int i = 0; i < kKeyCount; ++i) {
        const QWidget* key = window.KeyControl(KeyAt(i));
        const QRect place(key->mapTo(&window, QPoint()), key->size());
        EXPECT_TRUE(window.rect().contains(place)) << i;
        for (int j = 0; j < i; ++j) {
            const QWidget* other = window.KeyControl(KeyAt(j));
            EXPECT_FALSE(place.intersects(QRect(other->mapTo(&window, QPoint()), other->size())))
                << i << " over " << j;
        }
    }
    EXPECT_TRUE(names.count("Racine carrée") && names.count("Plus") && names.count("7"));

    auto press = [](KstGdiCtl* control) {
        QAccessibleInterface* key = QAccessible::queryAccessibleInterface(control);
        key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(window.KeyControl(KeyId::Chiffre9));
    press(window.KeyControl(KeyId::Fonction3));
    EXPECT_EQ(Dial(), "3");
    QAccessibleInterface* dial = QAccessible::queryAccessibleInterface(window.Dial());
    EXPECT_EQ(dial->text(QAccessible::Name), "3");
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(window.MemoryPanel(2));
    EXPECT_EQ(panel->text(QAccessible::Name), "M3: 0");
    const QAbstractItemModel* model = window.GridView()->model();
    QStringList columns;
    for (int c = 0; c < model->columnCount(); ++c) {
        columns << model->headerData(c, Qt::Horizontal).toString();
    }
    EXPECT_EQ(columns.join(","), "Opération,Valeur,Commentaire,Décimales");
}

}  // namespace
}  // namespace tallimo::testing
