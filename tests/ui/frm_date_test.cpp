#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dates/ui/calendar.h"
#include "dates/ui/frm_date.h"
#include "fake_host.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

CalendarDate Day(int day, int month, int year) {
    return *CalendarDate::FromYmd(year, month, day);
}

const char kRangeMessage[] =
    "Dépassement des limites de date autorisée\r\n(01/01/100 à 31/12/9999).";

class DateWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    template <class T>
    T* Child(const QString& name) {
        T* child = window_.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    Calendar* Start() { return Child<Calendar>(QStringLiteral("calDépart")); }
    Calendar* End() { return Child<Calendar>(QStringLiteral("calArrivée")); }
    QLineEdit* Field(int i) { return Child<QLineEdit>(QStringLiteral("txtIntervalle%1").arg(i)); }
    QRadioButton* Option(int i) {
        return Child<QRadioButton>(QStringLiteral("optIntervalle%1").arg(i));
    }
    QPushButton* Button(const QString& name) { return Child<QPushButton>(name); }
    QString Text(const QString& label) { return Child<QLabel>(label)->text(); }
    bool Shown(const char* name) {
        return Child<QWidget>(QString::fromUtf8(name))->isVisibleTo(&window_);
    }
    void Press(const QString& button) { QTest::mouseClick(Button(button), Qt::LeftButton); }

    // Types into the field after selecting its text, as tabbing into it does.
    void Type(int field, const QString& keys) {
        Field(field)->setFocus();
        Field(field)->selectAll();
        QTest::keyClicks(Field(field), keys);
    }
    void Paste(int field, const QString& text) {
        QApplication::clipboard()->setText(text);
        Field(field)->setFocus();
        Field(field)->selectAll();
        QTest::keyClick(Field(field), Qt::Key_V, Qt::ControlModifier);
    }
    std::string Result() { return DateText(End()->Value()); }

    QApplication& app_ = testing::App();
    testing::FakeHost host_;
    FrmDate window_{host_};
};

TEST_F(DateWindow, OpensWithTheModeButtonsAlone) {
    for (const char* hidden :
         {"lblChoisi", "calDépart", "calArrivée", "cmdExplication", "optIntervalle0",
          "txtIntervalle2", "lblIntervalle1", "lblRésultat0", "lblRésultat1", "lblExplication"}) {
        EXPECT_FALSE(Shown(hidden)) << hidden;
    }
    EXPECT_TRUE(Shown("lblInstruction"));
    EXPECT_EQ(Text("lblInstruction"), "");
    EXPECT_EQ(Start()->Value(), Today());
    EXPECT_EQ(End()->Value(), Today());
    EXPECT_FALSE(End()->isEnabled());
    EXPECT_EQ(window_.CurrentMode(), FrmDate::Mode::None);
}

// The change that takes the result out of range is undone after the
// message, so that the fields, the direction and the start day always show
// what the result was computed from.
TEST_F(DateWindow, AChangeOutOfRangeSaysSoAndIsUndone) {
    Press("cmdMenu0");
    Start()->SetValue(Day(15, 6, 9999));
    Type(1, "6");
    ASSERT_EQ(Result(), "15/12/9999");
    Type(0, "1");
    EXPECT_EQ(host_.dialogs.messages, std::vector<std::string>{kRangeMessage});
    EXPECT_EQ(host_.dialogs.icons, std::vector<MessageIcon>{MessageIcon::None});
    EXPECT_EQ(Result(), "15/12/9999");
    EXPECT_EQ(Field(0)->text(), "0");
    // A user's move of the start date computes too, and goes back.
    host_.dialogs.messages.clear();
    Start()->setFocus();
    QTest::keyClick(Start(), Qt::Key_PageDown);
    EXPECT_EQ(host_.dialogs.messages, std::vector<std::string>{kRangeMessage});
    EXPECT_EQ(Start()->Value(), Day(15, 6, 9999));
    EXPECT_EQ(Result(), "15/12/9999");
    // So does the direction.
    host_.dialogs.messages.clear();
    Start()->SetValue(Day(15, 6, 100));
    Type(1, "0");
    Type(0, "5");
    QTest::mouseClick(Option(1), Qt::LeftButton);
    EXPECT_EQ(host_.dialogs.messages, std::vector<std::string>{kRangeMessage});
    EXPECT_TRUE(Option(0)->isChecked());
    EXPECT_EQ(Result(), "15/06/105");
}

// Typed past the limit, the count stops at the last one that gave a result;
// pasted far beyond it, in plain digits or in exponent form, it never counts
// as a small number.
TEST_F(DateWindow, CountsBeyondTheLimitsLeaveFieldAndResultAgreeing) {
    Press("cmdMenu0");
    Start()->SetValue(Day(15, 6, 2010));
    Type(2, "99999999999");
    EXPECT_FALSE(host_.dialogs.messages.empty());
    EXPECT_EQ(Field(2)->text(), "999999");
    EXPECT_EQ(Result(), "11/05/4748");

    Type(2, "0");
    Type(0, "2");
    ASSERT_EQ(Result(), "15/06/2012");
    for (const char* pasted : {"340282366920938463463374607431768211456", "1234567890123456",
                               "100000000000000000000", "1E400", "-1E+20"}) {
        for (const int field : {0, 2}) {
            host_.dialogs.messages.clear();
            Paste(field, QString::fromLatin1(pasted));
            EXPECT_EQ(host_.dialogs.messages, std::vector<std::string>{kRangeMessage}) << pasted;
            EXPECT_EQ(Field(0)->text() + Field(1)->text() + Field(2)->text(), "200") << pasted;
            EXPECT_EQ(Result(), "15/06/2012") << pasted;
        }
    }
}

TEST_F(DateWindow, CountFieldsKeepTheirTextsValid) {
    Press("cmdMenu0");
    Start()->SetValue(Day(10, 5, 2010));
    QLineEdit& years = *Field(0);

    Type(0, "12");
    QTest::keyClick(&years, Qt::Key_A);  // refused: back to 12, caret before it
    EXPECT_EQ(years.text(), "12");
    EXPECT_EQ(years.cursorPosition(), 2);

    QTest::keyClick(&years, Qt::Key_End);
    QTest::keyClick(&years, Qt::Key_Backspace);
    QTest::keyClick(&years, Qt::Key_Backspace);
    EXPECT_EQ(years.text(), "0");  // emptied
    EXPECT_EQ(Result(), "10/05/2010");

    Paste(0, "007");
    EXPECT_EQ(years.text(), "7");
    EXPECT_EQ(years.cursorPosition(), 1);
    EXPECT_EQ(Result(), "10/05/2017");

    Type(0, "-");  // on its way to a negative count
    EXPECT_EQ(years.text(), "-");
    EXPECT_EQ(Result(), "10/05/2010");
    QTest::keyClicks(&years, "2");
    EXPECT_EQ(years.text(), "-2");
    EXPECT_EQ(Result(), "10/05/2008");

    Paste(0, "1 000");  // refused as a whole, as the count texts are read
    EXPECT_EQ(years.text(), "-2");
    Paste(0, "1,5");
    EXPECT_EQ(years.text(), "1");
    Paste(2, "1E3");  // rewritten in plain digits
    EXPECT_EQ(Field(2)->text(), "1000");
    EXPECT_EQ(Result(), "03/02/2014");
    EXPECT_TRUE(host_.dialogs.messages.empty());
}

// The fields, the direction and the dates reset at once: no message on the
// way, even where a half-done reset would leave the range.
TEST_F(DateWindow, EnteringTheDateModeResetsWithOneComputation) {
    Press("cmdMenu0");
    Start()->SetValue(Day(1, 1, 9997));
    QTest::mouseClick(Option(1), Qt::LeftButton);
    Type(0, "5");
    ASSERT_EQ(Result(), "01/01/9992");
    Press("cmdMenu1");
    EXPECT_TRUE(End()->isEnabled());
    EXPECT_EQ(Result(), "01/01/9992");  // the last result stays
    Press("cmdMenu1");                  // again: nothing
    EXPECT_EQ(window_.CurrentMode(), FrmDate::Mode::Interval);

    Press("cmdMenu0");
    EXPECT_TRUE(host_.dialogs.messages.empty());
    EXPECT_TRUE(Option(0)->isChecked());
    EXPECT_EQ(Field(0)->text() + Field(1)->text() + Field(2)->text(), "000");
    EXPECT_EQ(Start()->Value(), Day(1, 1, 9997));
    EXPECT_EQ(Result(), "01/01/9997");
    EXPECT_FALSE(End()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Start());

    // Again in the date mode: today, the direction kept.
    QTest::mouseClick(Option(1), Qt::LeftButton);
    Type(2, "3");
    Press("cmdMenu0");
    EXPECT_EQ(Start()->Value(), Today());
    EXPECT_EQ(Field(2)->text(), "0");
    EXPECT_TRUE(Option(1)->isChecked());
    EXPECT_EQ(End()->Value(), Today());
}

TEST_F(DateWindow, IntervalFollowsTheUsersDatesOnly) {
    Press("cmdMenu1");
    Start()->SetValue(Day(31, 3, 2000));
    End()->SetValue(Day(30, 1, 2000));
    const QString before = Text("lblRésultat1");
    EXPECT_EQ(before, "0 année(s) 0 mois et 0 jour(s)\nsoit 0 mois et 0 jour(s)\nsoit 0 jour(s)");
    End()->setFocus();
    QTest::keyClick(End(), Qt::Key_Right);  // 31/01/2000, before the start date
    EXPECT_EQ(Text("lblRésultat1"),
              "0 année(s) 2 mois et 0 jour(s)\nsoit 2 mois et 0 jour(s)\nsoit 60 jour(s)");
    Start()->setFocus();
    QTest::keyClick(Start(), Qt::Key_PageUp, Qt::ShiftModifier);  // 31/03/1990
    EXPECT_EQ(Text("lblRésultat1"),
              "9 année(s) 10 mois et 0 jour(s)\nsoit 118 mois et 0 jour(s)\nsoit 3593 jour(s)");
}

TEST_F(DateWindow, HelpCoversTheCalendarsUntilItIsClosed) {
    Press("cmdMenu0");
    Press("cmdExplication");
    EXPECT_TRUE(window_.HelpShown());
    EXPECT_FALSE(Button("cmdMenu0")->isEnabled());
    EXPECT_FALSE(Button("cmdMenu1")->isEnabled());
    for (const char* name :
         {"calDépart", "calArrivée", "optIntervalle1", "txtIntervalle0", "lblIntervalle2"}) {
        EXPECT_FALSE(Shown(name)) << name;
    }
    EXPECT_TRUE(Shown("lblExplication"));
    EXPECT_TRUE(Shown("lblChoisi"));
    Press("cmdExplication");
    EXPECT_TRUE(Button("cmdMenu1")->isEnabled());
    EXPECT_TRUE(Shown("txtIntervalle0"));
    EXPECT_FALSE(Shown("lblExplication"));
    EXPECT_FALSE(Shown("lblRésultat1"));
    EXPECT_EQ(QApplication::focusWidget(), Start());

    Press("cmdMenu1");
    Press("cmdExplication");
    EXPECT_FALSE(Shown("lblRésultat1"));
    Press("cmdExplication");
    EXPECT_TRUE(Shown("lblRésultat1"));
    EXPECT_FALSE(Shown("txtIntervalle0"));
}

// In the tab order.
TEST_F(DateWindow, NamesItsControlsForScreenReaders) {
    Press("cmdMenu0");
    QStringList names;
    for (QWidget* w = Button("cmdMenu0");;) {
        if (w->focusPolicy() & Qt::TabFocus) {
            names << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
        w = w->nextInFocusChain();
        if (w == Button("cmdMenu0")) {
            break;
        }
    }
    const QString today = QString::fromStdString(DateText(Today()));
    const QString month = QString::fromStdString(MonthTitle(Today()));
    EXPECT_EQ(names, QStringList({"Calculer une date à partir d'une date",
                                  "Calculer l'intervalle entre deux dates",
                                  "Date de départ, " + month + ", " + today,
                                  "Aide (Navigation dans les calendriers)", "Ajouter", "Soustraire",
                                  "Année(s)", "Mois", "Jour(s)",
                                  "Date d'arrivée, " + month + ", " + today}));
}

TEST(DateCalculator, OpensOnceAndAfreshAfterClosing) {
    testing::App();
    testing::FakeHost host;
    QWidget main_window;
    QPointer<FrmDate> window;
    FrmDate& first = OpenDateCalculator(host, &main_window, window);
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(first.isWindow());
    QTest::mouseClick(first.findChild<QPushButton*>(QStringLiteral("cmdMenu1")), Qt::LeftButton);

    first.showMinimized();
    EXPECT_EQ(&OpenDateCalculator(host, &main_window, window), &first);
    EXPECT_FALSE(first.isMinimized());
    EXPECT_EQ(first.CurrentMode(), FrmDate::Mode::Interval);

    first.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    FrmDate& second = OpenDateCalculator(host, &main_window, window);
    EXPECT_EQ(second.CurrentMode(), FrmDate::Mode::None);
}

}  // namespace
}  // namespace tallimo
