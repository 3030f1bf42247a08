// The personalisation window: a predefined or a custom style for the
// calculator window, with a live preview. Modal, made for one use; nothing
// is saved while it is open.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "appearance/color_styles.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tallimo {

class ColorLabel;
class ColorShape;
class Host;
class KstGdiCtl;

class FrmConfig : public QDialog {
    Q_OBJECT

  public:
    // Opens on the stored style and custom colours of the host's settings,
    // unusable values replaced by style 1's.
    explicit FrmConfig(Host& host, QWidget* parent = nullptr);

    // "OK" after "Enregistrer", empty after "Annuler" or the close box.
    QString Tag() const { return tag_; }
    int SelectedStyle() const;
    // The working copy of the custom colours.
    FiveColors Swatches() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void OnStyle(int style);
    void OnPerso(int index);
    // The swatch's name for screen readers: its role and its colour,
    // "#RRGGBB", with the desktop colour it follows, if any.
    void NameSwatch(int index);
    void OnAction(int index);
    // The preview in these colours, its keys redrawn.
    void ShowPreview(const FiveColors& colors);
    void ResolvePreviewGrid();

    Host& host_;
    QString tag_;
    std::array<QRadioButton*, kStyleCount> options_{};
    QGroupBox* custom_frame_ = nullptr;
    std::array<QPushButton*, 5> color_buttons_{};
    std::array<ColorShape*, 5> swatches_{};
    ColorShape* preview_back_ = nullptr;
    ColorLabel* preview_dial_ = nullptr;
    std::array<KstGdiCtl*, 12> preview_keys_{};
    QTableWidget* preview_grid_ = nullptr;
    ColorValue preview_grid_back_ = 0;
};

// Shows the window modally over `parent`, centred on it. After
// "Enregistrer" the choice is saved (the style, then for the custom style its
// colours) and the colours for the calculator window are returned; nothing
// after "Annuler", the close box, or a store that could not be written (the
// user is told).
std::optional<ColorSet> RunPersonalisation(Host& host, QWidget* parent);

// What RunPersonalisation does once the window is closed.
std::optional<ColorSet> ConfirmPersonalisation(Host& host, const FrmConfig& window);

inline constexpr std::string_view kColorsNotSaved =
    "Impossible d'enregistrer les couleurs : le dossier des paramètres est protégé en écriture "
    "ou le disque est plein.\r\nLes couleurs restent inchangées.";

}  // namespace tallimo
