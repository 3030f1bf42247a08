// What must hold for any values found in the settings file (the colour style,
// the five colours, the window's size), shared by their fuzz target and the
// test that replays the inputs it kept.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "appearance/color_styles.h"
#include "appearance/stored_integer.h"

namespace tallimo::fuzz {

// A store that holds what it is given.
class PlainStore : public SettingsStore {
  public:
    std::optional<std::string> Read(std::string_view group, std::string_view key) const override {
        const auto found = values_.find({std::string(group), std::string(key)});
        return found == values_.end() ? std::nullopt : std::optional(found->second);
    }
    void Write(std::string_view group, std::string_view key, std::string_view value) override {
        values_[{std::string(group), std::string(key)}] = value;
    }
    bool Commit() override { return true; }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The bytes are the stored texts, separated by 0x1F: the style, the five
// colours, then any number of window sizes.
inline std::string CheckSettingsValues(std::string_view bytes) {
    std::array<std::string, 6> colors;  // style, Color1..Color5
    PlainStore store;
    std::size_t start = 0;
    for (std::size_t field = 0;; ++field) {
        const std::size_t end = bytes.find('\x1F', start);
        const std::string_view text = bytes.substr(start, end - start);
        if (field < colors.size()) {
            store.Write(kColorsGroup,
                        field == 0 ? kStyleKey : ColorKey(static_cast<int>(field) - 1), text);
            if (const std::optional<ColorValue> color = ParseColorValue(text);
                color && ParseColorValue(ColorValueText(*color)) != color) {
                return "a stored colour does not read back once written";
            }
        } else if (const std::optional<int> size = ReadStoredInteger(text);
                   size && ReadStoredInteger(std::to_string(*size)) != size) {
            return "a stored window size does not read back once written";
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    const ColorSet loaded = LoadColors(store);
    if (loaded.style < 1 || loaded.style > kStyleCount) {
        return "the stored style gave no style of the window";
    }
    for (const ColorValue color : loaded.colors) {
        if (!IsDrawableColor(color)) {
            return "the stored colours gave a colour the window cannot draw";
        }
    }
    PlainStore again;
    if (!SaveColors(again, loaded.style, StoredCustomColors(store)) ||
        LoadColors(again) != loaded) {
        return "the colours read do not read back once saved";
    }
    return {};
}

}  // namespace tallimo::fuzz
