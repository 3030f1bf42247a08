#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "appearance/ui/color_shapes.h"
#include "appearance/ui/frm_config.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"
#include "fake_host.h"
#include "platform/dialog_centring.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

constexpr ColorValue kDialGrey = 0xE0E0E0;

// What the preview shows: background, glyphs, grid, dial background and text.
struct Preview {
    ColorValue back, glyphs, grid_back, dial_back, dial_text;
};

class PersonalisationWindow : public ::testing::Test {
  protected:
    void Store(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, value] : values) {
            host_.settings.values[{"Colors", key}] = value;
        }
    }
    FrmConfig& Open() {
        window_ = std::make_unique<FrmConfig>(host_);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *window_;
    }
    template <class T>
    T* Child(const QString& name) {
        T* child = window_->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    void Click(const QString& name) {
        QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton);
    }
    ColorValue Swatch(int i) {
        return Child<ColorShape>(QStringLiteral("shaPerso%1").arg(i))->FillColor();
    }
    bool CustomFrameShown() { return Child<QGroupBox>(QStringLiteral("fraPerso"))->isVisible(); }

    // Every part of the preview, its twelve keys each.
    void ExpectPreview(const Preview& p) {
        EXPECT_EQ(Child<ColorShape>(QStringLiteral("shaFond"))->FillColor(), p.back);
        for (int i = 0; i < 12; ++i) {
            const auto* key = Child<KstGdiCtl>(QStringLiteral("kstGDI%1").arg(i));
            EXPECT_EQ(key->BackColor(), p.back) << i;
            EXPECT_EQ(key->ForeColor(), p.glyphs) << i;
            // Ring and glyph drawn in the glyph colour.
            const QImage face = key->Picture();
            EXPECT_EQ(face.pixelColor(0, 0), ResolveColor(p.back)) << i;
            EXPECT_EQ(face.pixelColor(13, 0), ResolveColor(p.glyphs)) << i;
        }
        const auto* grid = Child<QTableWidget>(QStringLiteral("flxCalc"));
        EXPECT_EQ(grid->palette().color(QPalette::Disabled, QPalette::Base),
                  ResolveColor(p.grid_back));
        const auto* dial = Child<ColorLabel>(QStringLiteral("lblCadran"));
        EXPECT_EQ(dial->BackColor(), p.dial_back);
        EXPECT_EQ(dial->ForeColor(), p.dial_text);
    }

    QApplication& app_ = testing::App();
    testing::FakeHost host_;
    std::unique_ptr<FrmConfig> window_;
};

// Every control a screen reader meets is named, and every button shows whole
// inside its frame.
TEST_F(PersonalisationWindow, EveryControlIsNamedAndEveryButtonShowsWhole) {
    FrmConfig& window = Open();
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_")) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
        }
        if (qobject_cast<const QAbstractButton*>(child)) {
            EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
    }
}

// The stored style shows first; each option shows its colours at once; a predefined style always
// shows a plain dial, and the custom colours come back with "Personnalisé".
TEST_F(PersonalisationWindow, EveryChoiceShowsInThePreview) {
    Store({{"Style", "4"},
           {"Color1", "255"},
           {"Color2", "65280"},
           {"Color3", "16711680"},
           {"Color4", "8421504"},
           {"Color5", "16777215"}});
    FrmConfig& window = Open();
    EXPECT_EQ(window.SelectedStyle(), 4);
    EXPECT_TRUE(Child<QRadioButton>(QStringLiteral("optStyle4"))->isChecked());
    EXPECT_TRUE(CustomFrameShown());
    ExpectPreview({0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0xFFFFFF});
    Click(QStringLiteral("optStyle2"));
    EXPECT_FALSE(CustomFrameShown());
    ExpectPreview({SystemColor(2), SystemColor(9), SystemColor(2), kDialGrey, 0});
    Click(QStringLiteral("optStyle4"));
    EXPECT_TRUE(CustomFrameShown());
    // A new colour for each button, each shown where it belongs.
    const ColorValue chosen[] = {0x111111, 0x222222, 0x333333, 0x444444, 0x555555};
    int next = 0;
    host_.choose_color = [&](const ColorDialogRequest&) { return chosen[next++]; };
    for (int i = 1; i <= 5; ++i) {
        Click(QStringLiteral("cmdPerso%1").arg(i));
    }
    ExpectPreview({0x111111, 0x222222, 0x333333, 0x444444, 0x555555});
    ASSERT_EQ(host_.color_requests.size(), 5u);
    EXPECT_EQ(host_.color_requests[3].initial, 0x808080);  // the swatch's colour before
    EXPECT_EQ(host_.color_requests[3].owner, window_.get());
    // Cancelling the colour dialog changes nothing.
    host_.choose_color = nullptr;
    Click(QStringLiteral("cmdPerso4"));
    EXPECT_EQ(Swatch(4), 0x444444);
    Click(QStringLiteral("optStyle1"));
    ExpectPreview({SystemColor(15), SystemColor(18), SystemColor(15), kDialGrey, 0});
    EXPECT_EQ(Swatch(1), 0x111111);
    EXPECT_TRUE(host_.settings.writes.empty());  // nothing saved while open
}

// A screen reader ticks a style with the button's toggle action, which is no
// click: the window reacts all the same. The keyboard starts on the current
// style, and each swatch says its colour.
TEST_F(PersonalisationWindow, FollowsAScreenReaderAndSaysTheSwatchesColours) {
    Store({{"Style", "3"}, {"Color1", "255"}});
    FrmConfig& window = Open();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(QStringLiteral("optStyle3")));

    const auto act = [this](const char* name) {
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(Child<QWidget>(QString::fromLatin1(name)));
        ASSERT_TRUE(button && button->actionInterface());
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    act("optStyle4");
    EXPECT_TRUE(CustomFrameShown());
    EXPECT_EQ(Child<ColorShape>(QStringLiteral("shaFond"))->FillColor(), 255);
    act("optStyle1");
    EXPECT_FALSE(CustomFrameShown());
    EXPECT_EQ(Child<ColorShape>(QStringLiteral("shaFond"))->FillColor(), SystemColor(15));

    const auto said = [this](int swatch) {
        return QAccessible::queryAccessibleInterface(
                   Child<QWidget>(QStringLiteral("shaPerso%1").arg(swatch)))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(said(1), QStringLiteral("Couleur actuelle : Fond de la fenêtre : #FF0000"));
    const QString button_text = QApplication::palette().color(QPalette::ButtonText).name();
    EXPECT_EQ(said(2), QStringLiteral("Couleur actuelle : Texte des boutons : ") +
                           button_text.toUpper() +
                           QStringLiteral(" (couleur du bureau : texte des boutons)"));
    EXPECT_EQ(said(4), QStringLiteral("Couleur actuelle : Fond du cadran : #E0E0E0"));
    host_.choose_color = [](const ColorDialogRequest&) { return 0x3366CC; };
    Click(QStringLiteral("optStyle4"));
    Click(QStringLiteral("cmdPerso2"));
    EXPECT_EQ(said(2), QStringLiteral("Couleur actuelle : Texte des boutons : #CC6633"));
}

// A predefined style is saved alone; the custom colours stored stay.
TEST_F(PersonalisationWindow, APredefinedStyleKeepsTheStoredCustomColours) {
    Store({{"Style", "4"}, {"Color4", "255"}});
    FrmConfig& window = Open();
    Click(QStringLiteral("optStyle3"));
    Click(QStringLiteral("cmdAction0"));
    EXPECT_EQ(window.Tag(), QStringLiteral("OK"));
    EXPECT_FALSE(window.isVisible());
    const auto colours = ConfirmPersonalisation(host_, window);
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->colors, (std::array<ColorValue, 5>{SystemColor(3), SystemColor(19),
                                                          SystemColor(3), kDialGrey, 0}));
    EXPECT_EQ(host_.settings.writes, std::vector<std::string>{"Style=3"});
    EXPECT_EQ(host_.settings.Committed("Color4"), "255");
}

// "Annuler" and the close box discard every change.
TEST_F(PersonalisationWindow, CancelAndTheCloseBoxDiscardTheChanges) {
    Store({{"Style", "2"}});
    host_.choose_color = [](const ColorDialogRequest&) { return 0x00FF00; };
    for (const bool close_box : {false, true}) {
        Open();
        Click(QStringLiteral("optStyle4"));
        Click(QStringLiteral("cmdPerso4"));
        if (close_box) {
            window_->close();
        } else {
            Click(QStringLiteral("cmdAction1"));
        }
        EXPECT_FALSE(window_->isVisible()) << close_box;
        EXPECT_FALSE(ConfirmPersonalisation(host_, *window_)) << close_box;
    }
    EXPECT_EQ(host_.settings.commits, 0);
    EXPECT_EQ(host_.settings.Committed("Style"), "2");
}

TEST_F(PersonalisationWindow, AStoreThatCannotBeWrittenIsReportedAndChangesNothing) {
    host_.settings.refuse_commits = true;
    FrmConfig& window = Open();
    Click(QStringLiteral("optStyle2"));
    Click(QStringLiteral("cmdAction0"));
    EXPECT_FALSE(ConfirmPersonalisation(host_, window));
    EXPECT_EQ(host_.dialogs.messages,
              std::vector<std::string>{
                  "Impossible d'enregistrer les couleurs : le dossier des paramètres est protégé "
                  "en écriture ou le disque est plein.\r\nLes couleurs restent inchangées."});
    EXPECT_EQ(host_.dialogs.icons, std::vector<MessageIcon>{MessageIcon::Critical});
    EXPECT_EQ(LoadColors(host_.settings).style, 1);
}

// The whole run, modal and centred on its owner.
TEST_F(PersonalisationWindow, RunsModallyCentredOnItsOwner) {
    QWidget owner;
    owner.setGeometry(300, 200, 600, 500);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    for (const char* button : {"cmdAction1", "cmdAction0"}) {
        QRect shown;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            shown = modal->frameGeometry();
            modal->findChild<QRadioButton*>(QStringLiteral("optStyle2"))->click();
            modal->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        const auto colours = RunPersonalisation(host_, &owner);
        EXPECT_EQ(shown.center(), owner.frameGeometry().center()) << button;
        EXPECT_EQ(colours.has_value(), button[9] == '0') << button;
    }
    EXPECT_EQ(host_.settings.Committed("Style"), "2");
}

struct CentringCase {
    QRect owner;
    QSize dialog;
    std::optional<QPoint> expected;
};

TEST(DialogCentring, CentresOnTheOwnerWithinTheScreen) {
    const QRect screen(0, 0, 1280, 1024);
    const CentringCase cases[] = {
        {{100, 100, 600, 400}, {200, 100}, QPoint(300, 250)},
        {{0, 0, 100, 100}, {300, 300}, QPoint(0, 0)},    // larger than the owner at 0, 0
        {{10, 5, 100, 100}, {301, 301}, QPoint(0, 0)},   // clamped, not negative
        {{100, 100, 0, 400}, {200, 100}, std::nullopt},  // an owner with no area
        {{100, 100, 600, -1}, {200, 100}, std::nullopt},
    };
    for (const CentringCase& c : cases) {
        EXPECT_EQ(CentredPosition(c.owner, c.dialog, screen), c.expected) << c.owner.x();
    }
    // A screen left of the first one keeps its negative coordinates.
    EXPECT_EQ(CentredPosition({-800, 0, 400, 400}, {800, 100}, {-1280, 0, 1280, 1024}),
              QPoint(-1000, 150));
}

}  // namespace
}  // namespace tallimo
