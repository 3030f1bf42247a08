#include "appearance/ui/frm_config.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "appearance/ui/color_shapes.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"
#include "appearance/ui/window_colors.h"
#include "platform/dialog_centring.h"
#include "platform/host.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

template <class T>
T* Named(T* widget, const QString& name, const QString& accessible_name) {
    widget->setObjectName(name);
    widget->setAccessibleName(accessible_name);
    return widget;
}

// Where the colour buttons and their swatches sit in their frame, in twips.
struct PersoPlace {
    int button_left, swatch_left, top;
};
constexpr PersoPlace kPersoPlaces[] = {
    {720, 240, 360}, {720, 240, 840}, {720, 240, 1320}, {3120, 2640, 360}, {3120, 2640, 840}};

// The preview's keys, row by row: 7 8 9 +, 4 5 6 −, 1 2 3 ×.
constexpr KeyId kPreviewKeys[] = {KeyId::Chiffre7,   KeyId::Chiffre8,   KeyId::Chiffre9,
                                  KeyId::Operateur0, KeyId::Chiffre4,   KeyId::Chiffre5,
                                  KeyId::Chiffre6,   KeyId::Operateur1, KeyId::Chiffre1,
                                  KeyId::Chiffre2,   KeyId::Chiffre3,   KeyId::Operateur2};
constexpr std::string_view kPreviewKeyNames[] = {"7", "8", "9", "+", "4", "5",
                                                 "6", "−", "1", "2", "3", "×"};
constexpr int kPreviewKeyLefts[] = {240, 720, 1200, 1800};
constexpr int kPreviewKeyTops[] = {1320, 1800, 2280};

constexpr ColorValue kCaptionStrip = SystemColor(2);
constexpr ColorValue kCaptionText = SystemColor(9);
constexpr ColorValue kMenuStrip = SystemColor(4);
constexpr ColorValue kMenuText = SystemColor(7);

}  // namespace

FrmConfig::FrmConfig(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Personnalisation"));
    setAccessibleName(windowTitle());
    setModal(true);
    setFont(WindowFont(8.25));
    setFixedSize(TwipsToPixels(7170), TwipsToPixels(5085));

    auto* styles = Named(new QGroupBox(QStringLiteral("Styles"), this), QStringLiteral("fraStyle"),
                         QStringLiteral("Styles"));
    styles->setGeometry(TwipsRect(120, 120, 1935, 1815));
    for (int style = 1; style <= kStyleCount; ++style) {
        const QString caption = Utf8(StyleCaption(style));
        auto* option = Named(new QRadioButton(caption, styles),
                             QStringLiteral("optStyle%1").arg(style), caption);
        option->setGeometry(TwipsRect(240, 360 * style, 1575, 255));
        // However the button came to be checked: a click, the keyboard, a
        // screen reader's action.
        connect(option, &QRadioButton::toggled, this, [this, style](bool checked) {
            if (checked) {
                OnStyle(style);
            }
        });
        options_[static_cast<std::size_t>(style - 1)] = option;
    }

    custom_frame_ = Named(new QGroupBox(QStringLiteral("Style personnalisé"), this),
                          QStringLiteral("fraPerso"), QStringLiteral("Style personnalisé"));
    custom_frame_->setGeometry(TwipsRect(2160, 120, 4935, 1815));
    const FiveColors stored = StoredCustomColors(host_.Settings());
    for (int i = 0; i < 5; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const PersoPlace& place = kPersoPlaces[slot];
        const QString caption = Utf8(ColorCaption(i));
        auto* button = Named(new QPushButton(caption, custom_frame_),
                             QStringLiteral("cmdPerso%1").arg(i + 1), caption);
        button->setGeometry(TwipsRect(place.button_left, place.top, 1575, 255));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { OnPerso(i); });
        color_buttons_[slot] = button;
        swatches_[slot] = new ColorShape(stored[slot], true, custom_frame_);
        swatches_[slot]->setObjectName(QStringLiteral("shaPerso%1").arg(i + 1));
        swatches_[slot]->setGeometry(TwipsRect(place.swatch_left, place.top, 375, 255));
        NameSwatch(i);
    }

    // The preview, a miniature of the calculator window.
    auto* preview = Named(new QGroupBox(QStringLiteral("Aperçu"), this), QStringLiteral("Frame1"),
                          QStringLiteral("Aperçu"));
    preview->setGeometry(TwipsRect(120, 2040, 4575, 2895));
    preview_back_ = Named(new ColorShape(0, false, preview), QStringLiteral("shaFond"),
                          QStringLiteral("Aperçu : fond de la fenêtre"));
    preview_back_->setGeometry(TwipsRect(120, 240, 4455, 2655));
    // The grid lies behind the rest and is cut off by the preview's edge.
    preview_grid_ = Named(new QTableWidget(3, 2, preview_back_), QStringLiteral("flxCalc"),
                          QStringLiteral("Aperçu : grille"));
    preview_grid_->setGeometry(TwipsRect(3240 - 120, 1080 - 240, 3375, 2655));
    preview_grid_->setEnabled(false);
    preview_grid_->setFocusPolicy(Qt::NoFocus);
    preview_grid_->horizontalHeader()->setDefaultSectionSize(TwipsToPixels(700));
    preview_grid_->verticalHeader()->setDefaultSectionSize(TwipsToPixels(240));
    preview_grid_->verticalHeader()->setFixedWidth(TwipsToPixels(240));
    preview_grid_->setHorizontalHeaderLabels({QString(), QString()});
    preview_grid_->setVerticalHeaderLabels({QString(), QString(), QString()});

    auto* caption_strip =
        Named(new ColorShape(kCaptionStrip, false, preview), QStringLiteral("shaTitre"),
              QStringLiteral("Aperçu : barre de titre"));
    caption_strip->setGeometry(TwipsRect(120, 240, 4455, 375));
    auto* caption = Named(new ColorLabel(QStringLiteral("Virelle"), caption_strip),
                          QStringLiteral("lblTitre"), QStringLiteral("Virelle"));
    QFont bold = WindowFont(8.25);
    bold.setBold(true);
    caption->setFont(bold);
    caption->SetForeColor(kCaptionText);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setGeometry(TwipsRect(120, 0, 4215, 375));

    auto* menu_strip = Named(new ColorShape(kMenuStrip, false, preview), QStringLiteral("shaMenu"),
                             QStringLiteral("Aperçu : barre de menus"));
    menu_strip->setGeometry(TwipsRect(120, 600, 4455, 375));
    const char* const menus[] = {"Fichier", "Edition", "Affichage"};
    for (int i = 0; i < 3; ++i) {
        auto* item = Named(new ColorLabel(QString::fromLatin1(menus[i]), menu_strip),
                           QStringLiteral("lblMenu%1").arg(i), QString::fromLatin1(menus[i]));
        item->SetForeColor(kMenuText);
        item->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setGeometry(
            TwipsRect(240 + 600 * i - 120, 0, 1200, 375));  // the text may run past the next left
    }

    preview_dial_ = Named(new ColorLabel(QStringLiteral("45,12"), preview),
                          QStringLiteral("lblCadran"), QStringLiteral("Aperçu : cadran"));
    preview_dial_->setGeometry(TwipsRect(120, 960, 2775, 255));
    preview_dial_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    preview_dial_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    preview_dial_->setMargin(2);

    for (int i = 0; i < 12; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        auto* key = Named(new KstGdiCtl(preview), QStringLiteral("kstGDI%1").arg(i),
                          QStringLiteral("Aperçu : touche ") + Utf8(kPreviewKeyNames[slot]));
        key->SetPixelSize(kKeySize.width, kKeySize.height);
        key->move(TwipsToPixels(kPreviewKeyLefts[i % 4]), TwipsToPixels(kPreviewKeyTops[i / 4]));
        key->setAttribute(Qt::WA_TransparentForMouseEvents);
        preview_keys_[slot] = key;
    }

    const char* const actions[] = {"Enregistrer", "Annuler"};
    for (int i = 0; i < 2; ++i) {
        auto* button = Named(new QPushButton(QString::fromLatin1(actions[i]), this),
                             QStringLiteral("cmdAction%1").arg(i), QString::fromLatin1(actions[i]));
        button->setGeometry(TwipsRect(5400, 3120 + 840 * i, 1455, 375));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { OnAction(i); });
    }

    // Checking the stored style shows its preview. The keyboard starts on it.
    const int style = StoredStyle(host_.Settings());
    options_[static_cast<std::size_t>(style - 1)]->setChecked(true);
    options_[static_cast<std::size_t>(style - 1)]->setFocus(Qt::OtherFocusReason);
}

int FrmConfig::SelectedStyle() const {
    for (int style = 1; style <= kStyleCount; ++style) {
        if (options_[static_cast<std::size_t>(style - 1)]->isChecked()) {
            return style;
        }
    }
    return 1;
}

FiveColors FrmConfig::Swatches() const {
    FiveColors colors{};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        colors[i] = swatches_[i]->FillColor();
    }
    return colors;
}

void FrmConfig::OnStyle(int style) {
    custom_frame_->setVisible(style == kCustomStyle);
    ShowPreview(StyleColorSet(style, Swatches()).colors);
}

void FrmConfig::OnPerso(int index) {
    const auto slot = static_cast<std::size_t>(index);
    const ColorValue chosen = host_.ChooseColor({this, swatches_[slot]->FillColor()});
    if (chosen == kNoColorChosen) {
        return;
    }
    swatches_[slot]->SetFillColor(chosen);
    NameSwatch(index);
    ShowPreview(Swatches());
}

void FrmConfig::NameSwatch(int index) {
    const auto slot = static_cast<std::size_t>(index);
    const ColorValue color = swatches_[slot]->FillColor();
    QString name = QStringLiteral("Couleur actuelle : ") + Utf8(ColorCaption(index)) +
                   QStringLiteral(" : ") +
                   ResolveColor(color, swatches_[slot]->palette()).name().toUpper();
    if (const std::optional<std::string_view> desktop = SystemColorName(color)) {
        name += QStringLiteral(" (couleur du bureau : ") + Utf8(*desktop) + QLatin1Char(')');
    }
    swatches_[slot]->setAccessibleName(name);
}

void FrmConfig::OnAction(int index) {
    tag_ = index == 0 ? QStringLiteral("OK") : QString();
    if (index == 0) {
        accept();
    } else {
        reject();
    }
}

void FrmConfig::closeEvent(QCloseEvent* event) {
    // The close box is "Annuler".
    tag_.clear();
    QDialog::closeEvent(event);
}

void FrmConfig::changeEvent(QEvent* event) {
    // The window is always told of a new palette or theme; its children
    // might not be.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange) {
        ResolvePreviewGrid();
        for (int i = 0; i < static_cast<int>(swatches_.size()); ++i) {
            NameSwatch(i);
        }
        for (QWidget* child : findChildren<QWidget*>()) {
            child->update();
        }
    }
    QDialog::changeEvent(event);
}

void FrmConfig::ShowPreview(const FiveColors& colors) {
    preview_back_->SetFillColor(colors[0]);
    for (std::size_t i = 0; i < preview_keys_.size(); ++i) {
        preview_keys_[i]->SetBackColor(colors[0]);
        preview_keys_[i]->SetForeColor(colors[1]);
        DrawKey(*preview_keys_[i], kPreviewKeys[i]);
    }
    preview_grid_back_ = colors[2];
    ResolvePreviewGrid();
    preview_dial_->SetBackColor(colors[3]);
    preview_dial_->SetForeColor(colors[4]);
}

void FrmConfig::ResolvePreviewGrid() {
    ColorGridBackground(*preview_grid_, preview_grid_back_);
}

std::optional<ColorSet> ConfirmPersonalisation(Host& host, const FrmConfig& window) {
    if (window.Tag() != QStringLiteral("OK")) {
        return std::nullopt;
    }
    const int style = window.SelectedStyle();
    if (!SaveColors(host.Settings(), style, window.Swatches())) {
        host.ShowMessage(kColorsNotSaved, MessageIcon::Critical);
        return std::nullopt;
    }
    return StyleColorSet(style, window.Swatches());
}

std::optional<ColorSet> RunPersonalisation(Host& host, QWidget* parent) {
    FrmConfig window(host, parent);
    CentreOnOwner(window, parent);
    window.exec();
    return ConfirmPersonalisation(host, window);
}

}  // namespace tallimo
