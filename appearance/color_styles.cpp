#include "appearance/color_styles.h"

#include <charconv>
#include <cstdint>

namespace tallimo {

namespace {

constexpr ColorValue kDialBack = 0xE0E0E0;
constexpr ColorValue kDialText = 0x000000;

// Window and keys, glyphs, grid; the predefined styles keep the dial plain.
constexpr FiveColors kPredefined[] = {
    {SystemColor(15), SystemColor(18), SystemColor(15), kDialBack, kDialText},  // button
    {SystemColor(2), SystemColor(9), SystemColor(2), kDialBack, kDialText},     // caption
    {SystemColor(3), SystemColor(19), SystemColor(3), kDialBack, kDialText},    // inactive caption
};

constexpr std::string_view kStyleCaptions[] = {"Style prédéfini 1", "Style prédéfini 2",
                                               "Style prédéfini 3", "Personnalisé"};
constexpr std::string_view kColorCaptions[] = {"Fond de la fenêtre", "Texte des boutons",
                                               "Fond de la grille", "Fond du cadran",
                                               "Texte du cadran"};

bool IsStyle(int style) {
    return style >= 1 && style <= kStyleCount;
}

// A signed decimal integer, spaces around it allowed; nothing for any other
// text.
std::optional<std::int64_t> ParseInteger(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

FiveColors PredefinedColors(int style) {
    return kPredefined[IsStyle(style) && style != kCustomStyle ? style - 1 : 0];
}

ColorSet StyleColorSet(int style, const FiveColors& custom) {
    if (!IsStyle(style)) {
        style = 1;
    }
    return {style, style == kCustomStyle ? custom : PredefinedColors(style)};
}

std::string_view StyleCaption(int style) {
    return kStyleCaptions[IsStyle(style) ? style - 1 : 0];
}

std::string_view ColorCaption(int index) {
    return kColorCaptions[index];
}

std::optional<ColorValue> ParseColorValue(std::string_view text) {
    const auto value = ParseInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX) {
        return std::nullopt;
    }
    const auto colour = static_cast<ColorValue>(*value);
    if (!IsDrawableColor(colour)) {
        return std::nullopt;
    }
    return colour;
}

std::string ColorValueText(ColorValue value) {
    return std::to_string(value);
}

std::string ColorKey(int index) {
    return "Color" + std::to_string(index + 1);
}

int StoredStyle(const SettingsStore& store) {
    if (const auto text = store.Read(kColorsGroup, kStyleKey)) {
        const auto style = ParseInteger(*text);
        if (style && *style >= 1 && *style <= kStyleCount) {
            return static_cast<int>(*style);
        }
    }
    return 1;
}

FiveColors StoredCustomColors(const SettingsStore& store) {
    FiveColors colors = DefaultColors();
    for (int i = 0; i < 5; ++i) {
        if (const auto text = store.Read(kColorsGroup, ColorKey(i))) {
            if (const auto colour = ParseColorValue(*text)) {
                colors[static_cast<std::size_t>(i)] = *colour;
            }
        }
    }
    return colors;
}

ColorSet LoadColors(const SettingsStore& store) {
    const int style = StoredStyle(store);
    return style == kCustomStyle ? ColorSet{style, StoredCustomColors(store)}
                                 : StyleColorSet(style, {});
}

bool SaveColors(SettingsStore& store, int style, const FiveColors& custom) {
    if (!IsStyle(style)) {
        style = 1;
    }
    store.Write(kColorsGroup, kStyleKey, std::to_string(style));
    if (style == kCustomStyle) {
        for (int i = 0; i < 5; ++i) {
            store.Write(kColorsGroup, ColorKey(i),
                        ColorValueText(custom[static_cast<std::size_t>(i)]));
        }
    }
    return store.Commit();
}

}  // namespace tallimo
