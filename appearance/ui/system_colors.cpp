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
};

constexpr SystemEntry kSystemColors[] = {
    {Source::Role, QPalette::Button},            // 0 scroll bar
    {Source::Role, QPalette::Dark},              // 1 desktop
    {Source::Role, QPalette::Highlight},         // 2 active caption
    {Source::FadedHighlight, QPalette::Window},  // 3 inactive caption
    {Source::Role, QPalette::Window},            // 4 menu
    {Source::Role, QPalette::Base},              // 5 window
    {Source::Role, QPalette::Shadow},            // 6 window frame
    {Source::Role, QPalette::WindowText},        // 7 menu text
    {Source::Role, QPalette::Text},              // 8 window text
    {Source::Role, QPalette::HighlightedText},   // 9 caption text
    {Source::Role, QPalette::Window},            // 10 active border
    {Source::Role, QPalette::Window},            // 11 inactive border
    {Source::Role, QPalette::Mid},               // 12 application workspace
    {Source::Role, QPalette::Highlight},         // 13 highlight
    {Source::Role, QPalette::HighlightedText},   // 14 highlight text
    {Source::Role, QPalette::Button},            // 15 button face
    {Source::Role, QPalette::Dark},              // 16 button shadow
    {Source::DisabledRole, QPalette::Text},      // 17 grey text
    {Source::Role, QPalette::ButtonText},        // 18 button text
    {Source::Role, QPalette::WindowText},        // 19 inactive caption text
    {Source::Role, QPalette::Light},             // 20 button highlight
    {Source::Role, QPalette::Shadow},            // 21 3D dark shadow
    {Source::Role, QPalette::Midlight},          // 22 3D light
    {Source::Role, QPalette::ToolTipText},       // 23 tooltip text
    {Source::Role, QPalette::ToolTipBase},       // 24 tooltip background
    {Source::Black, QPalette::NoRole},           // 25 not a system colour
    {Source::Role, QPalette::Link},              // 26 hot-tracked item
    {Source::Role, QPalette::Highlight},         // 27 active caption gradient
    {Source::FadedHighlight, QPalette::Window},  // 28 inactive caption gradient
    {Source::Role, QPalette::Highlight},         // 29 menu highlight
    {Source::Role, QPalette::Window},            // 30 menu bar
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

ColorValue ToColorValue(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<ColorValue>(static_cast<std::uint32_t>(rgb.red()) |
                                   static_cast<std::uint32_t>(rgb.green()) << 8 |
                                   static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace tallimo
