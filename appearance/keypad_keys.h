// The graphic keys of the calculator window: who they are, where they sit
// and what their tooltips say.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/keys.h"

namespace tallimo {

// Every key of the window, the 41 keys of the keypad in the order in which
// the keypad is drawn, then the grid-mode key.
enum class KeyId : std::uint8_t {
    // clang-format off
    Chiffre0, Chiffre1, Chiffre2, Chiffre3, Chiffre4,
    Chiffre5, Chiffre6, Chiffre7, Chiffre8, Chiffre9,
    Constante0,
    Signe,
    Decimal,
    Operateur0, Operateur1, Operateur2, Operateur3, Operateur4, Operateur5, Operateur6,
    Egal,
    Retour,
    CancelEntry,
    Cancel,
    Fonction0, Fonction1, Fonction2, Fonction3, Fonction4, Fonction5,
    Fonction6, Fonction7, Fonction8, Fonction9, Fonction10, Fonction11,
    Mem0, Mem1, Mem2, Mem3, Mem4,
    Grille,
    // clang-format on
};

inline constexpr int kKeypadKeyCount = 41;  // all keys but Grille
inline constexpr int kKeyCount = 42;

// The i-th key in drawing order, 0 <= i < kKeyCount.
constexpr KeyId KeyAt(int i) {
    return static_cast<KeyId>(i);
}
constexpr int KeyNumber(KeyId key) {
    return static_cast<int>(key);
}

// The control arrays and single controls that the keys belong to.
enum class KeyArray : std::uint8_t {
    Chiffre,      // 0..9
    Constante,    // 0: pi
    Signe,        // single
    Decimal,      // single
    Operateur,    // 0..6: + − × / Mod x^y Logn
    Egal,         // single
    Retour,       // single
    CancelEntry,  // single
    Cancel,       // single
    Fonction,     // 0..11
    Mem,          // 0..4
    Grille,       // single
};

KeyArray ArrayOf(KeyId key);
// The index within its control array; 0 for a single control.
int IndexOf(KeyId key);
bool IsSingleControl(KeyArray array);
// Nothing when the array has no such index.
std::optional<KeyId> FindKey(KeyArray array, int index);

// What the engine is told when the key is released with that mouse button;
// nothing for Grille, which only switches the window's mode.
std::optional<KeyPress> EngineKey(KeyId key, int button);
// The drawn key of an engine key (its button aside); nothing when the
// keypad has no such key.
std::optional<KeyId> KeyOf(const KeyPress& press);

// The window's two modes, which the grid-mode key switches.
enum class GridMode : std::uint8_t { Calculator, Grid };

// The control's name, "imaChiffre" or "imaOpérateur" (UTF-8).
std::string_view ControlName(KeyArray array);
// A name for the key's widget: the control name, followed by the index for
// an array member ("imaChiffre7", "imaSigne").
std::string ObjectName(KeyId key);

// Positions are in twips, sizes in pixels; a pixel is 15 twips at the usual
// screen density, which device-independent pixels stand for.
inline constexpr int kTwipsPerPixel = 15;

// A length in twips as device-independent pixels, to the nearest pixel.
constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The key's top-left corner in twips, relative to the window's client area.
struct TwipPoint {
    int x = 0;
    int y = 0;
};
TwipPoint KeyPosition(KeyId key);

// Keys are sized in pixels whatever the screen's density.
struct PixelSize {
    int width = 0;
    int height = 0;
};
inline constexpr PixelSize kKeySize{27, 27};
inline constexpr PixelSize kGridKeySize{75, 21};
PixelSize KeySize(KeyId key);

// The tooltip text (UTF-8).
std::string_view KeyTooltip(KeyId key);
// What the key does, in a few words, for screen readers: "7", "Plus",
// "Racine carrée" (UTF-8).
std::string KeySpokenName(KeyId key);

}  // namespace tallimo
