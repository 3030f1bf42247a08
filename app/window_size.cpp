#include "app/window_size.h"

#include <algorithm>
#include <string_view>

#include "appearance/settings_store.h"
#include "appearance/stored_integer.h"

namespace tallimo {

namespace {

// In their own group of the settings.
constexpr std::string_view kWindowGroup = "Fenetre";
constexpr std::string_view kWidthKey = "Largeur";
constexpr std::string_view kHeightKey = "Hauteur";

}  // namespace

QSize KeptWindowSize(const SettingsStore& settings) {
    const auto read = [&settings](std::string_view key) {
        const std::optional<std::string> text = settings.Read(kWindowGroup, key);
        const std::optional<int> value = text ? ReadStoredInteger(*text) : std::nullopt;
        return value ? std::clamp(*value, 0, 20000) : 0;
    };
    return {read(kWidthKey), read(kHeightKey)};
}

void KeepWindowSize(SettingsStore& settings, QSize size) {
    settings.Write(kWindowGroup, kWidthKey, std::to_string(size.width()));
    settings.Write(kWindowGroup, kHeightKey, std::to_string(size.height()));
    settings.Commit();
}

}  // namespace tallimo
