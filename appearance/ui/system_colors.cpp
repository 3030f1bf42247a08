#include "appearance/ui/system_colors.h"

#include <QGuiApplication>

namespace tallimo {

namespace {

// How a system colour is taken from the palette. The desktop has no title
// bars of its own to ask for, so the active caption is the selection colour
// and the inactive caption a faded selection, still readable under the
// window text.
enum class Source { Role, DisabledRole, FadedHighlight, Black };

struct SystemEntry {
    Source source;
    QPalette::ColorRole role;
    std::string_view name;  // said to screen-reader users
};

constexpr SystemEntry kSystemColors[] = {
    {Source::Role, QPalette::Button, "barre de défilement"},            // 0 scroll bar
    {Source::Role, QPalette::Dark, "bureau"},                           // 1 desktop
    {Source::Role, QPalette::Highlight, "titre de la fenêtre active"},  // 2 active caption
    {Source::FadedHighlight, QPalette::Window,
     "titre d'une fenêtre inactive"},                                   // 3 inactive caption
    {Source::Role, QPalette::Window, "fond des menus"},                 // 4 menu
    {Source::Role, QPalette::Base, "fond des fenêtres"},                // 5 window
    {Source::Role, QPalette::Shadow, "cadre des fenêtres"},             // 6 window frame
    {Source::Role, QPalette::WindowText, "texte des menus"},            // 7 menu text
    {Source::Role, QPalette::Text, "texte des fenêtres"},               // 8 window text
    {Source::Role, QPalette::HighlightedText, "texte du titre actif"},  // 9 caption text
    {Source::Role, QPalette::Window, "bordure active"},                 // 10 active border
    {Source::Role, QPalette::Window, "bordure inactive"},               // 11 inactive border
    {Source::Role, QPalette::Mid, "espace de travail"},                 // 12 application workspace
    {Source::Role, QPalette::Highlight, "sélection"},                   // 13 highlight
    {Source::Role, QPalette::HighlightedText, "texte sélectionné"},     // 14 highlight text
    {Source::Role, QPalette::Button, "face des boutons"},               // 15 button face
    {Source::Role, QPalette::Dark, "ombre des boutons"},                // 16 button shadow
    {Source::DisabledRole, QPalette::Text, "texte grisé"},              // 17 grey text
    {Source::Role, QPalette::ButtonText, "texte des boutons"},          // 18 button text
    {Source::Role, QPalette::WindowText, "texte du titre inactif"},     // 19 inactive caption text
    {Source::Role, QPalette::Light, "reflet des boutons"},              // 20 button highlight
    {Source::Role, QPalette::Shadow, "ombre foncée des reliefs"},       // 21 3D dark shadow
    {Source::Role, QPalette::Midlight, "clair des reliefs"},            // 22 3D light
    {Source::Role, QPalette::ToolTipText, "texte des bulles d'aide"},   // 23 tooltip text
    {Source::Role, QPalette::ToolTipBase, "fond des bulles d'aide"},    // 24 tooltip background
    {Source::Black, QPalette::NoRole, ""},                              // 25 not a system colour
    {Source::Role, QPalette::Link, "élément survolé"},                  // 26 hot-tracked item
    {Source::Role, QPalette::Highlight, "dégradé du titre actif"},  // 27 active caption gradient
    {Source::FadedHighlight, QPalette::Window,
     "dégradé du titre inactif"},                                // 28 inactive caption gradient
    {Source::Role, QPalette::Highlight, "sélection des menus"},  // 29 menu highlight
    {Source::Role, QPalette::Window, "barre de menus"},          // 30 menu bar
};
static_assert(std::size(kSystemColors) == kSystemColorCount);

// Share of the selection colour in a faded caption.
constexpr int kFadePercent = 40;

QColor Mix(const QColor& a, const QColor& b, int percent_of_a) {
    const auto channel = [percent_of_a](int x, int y) {
        return (x * percent_of_a + y * (100 - percent_of_a) + 50) / 100;
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

}  // namespace

QColor ResolveColor(ColorValue value, const QPalette& palette) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (!IsSystemColor(value)) {
        return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                      static_cast<int>((bits >> 16) & 0xFF));
    }
    const std::uint32_t index = bits & 0x7FFFFFFFu;
    if (index >= static_cast<std::uint32_t>(kSystemColorCount)) {
        return QColor(Qt::black);
    }
    const SystemEntry& entry = kSystemColors[index];
    switch (entry.source) {
        case Source::Role:
            return palette.color(QPalette::Active, entry.role);
        case Source::DisabledRole:
            return palette.color(QPalette::Disabled, entry.role);
        case Source::FadedHighlight:
            return Mix(palette.color(QPalette::Active, QPalette::Highlight),
                       palette.color(QPalette::Active, entry.role), kFadePercent);
        case Source::Black:
            break;
    }
    return QColor(Qt::black);
}

QColor ResolveColor(ColorValue value) {
    return ResolveColor(value, QGuiApplication::palette());
}

std::optional<std::string_view> SystemColorName(ColorValue value) {
    const auto index = static_cast<std::uint32_t>(value) & 0x7FFFFFFFu;
    if (!IsSystemColor(value) || index >= static_cast<std::uint32_t>(kSystemColorCount) ||
        kSystemColors[index].source == Source::Black) {
        return std::nullopt;
    }
    return kSystemColors[index].name;
}

ColorValue ToColorValue(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<ColorValue>(static_cast<std::uint32_t>(rgb.red()) |
                                   static_cast<std::uint32_t>(rgb.green()) << 8 |
                                   static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace tallimo
