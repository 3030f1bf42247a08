#include "appearance/keypad_keys.h"

#include <array>
#include <string>

namespace tallimo {

namespace {

constexpr std::string_view kDigitTip = "Touches 0 à 9 du clavier et du pavé numérique";
constexpr std::string_view kMemoryTip =
    "Emplacement mémoire. Clic gauche: mémorisation. Clic droit: rappel. Clavier: F1 à F5 et "
    "Shift-F1 à Shift-F5";

struct KeyRecord {
    KeyArray array;
    int index;
    TwipPoint position;
    std::string_view tooltip;
};

// Keypad columns and rows, in twips.
constexpr int kC0 = 120, kC1 = 600, kC2 = 1080, kC3 = 1680, kC4 = 2160, kC5 = 2880, kC6 = 3360,
              kC7 = 3840;
constexpr int kR0 = 360, kR1 = 840, kR2 = 1320, kR3 = 1800, kR4 = 2280, kR5 = 2760;

// In KeyId order.
constexpr std::array<KeyRecord, kKeyCount> kKeys = {{
    {KeyArray::Chiffre, 0, {kC0, kR3}, kDigitTip},
    {KeyArray::Chiffre, 1, {kC0, kR2}, kDigitTip},
    {KeyArray::Chiffre, 2, {kC1, kR2}, kDigitTip},
    {KeyArray::Chiffre, 3, {kC2, kR2}, kDigitTip},
    {KeyArray::Chiffre, 4, {kC0, kR1}, kDigitTip},
    {KeyArray::Chiffre, 5, {kC1, kR1}, kDigitTip},
    {KeyArray::Chiffre, 6, {kC2, kR1}, kDigitTip},
    {KeyArray::Chiffre, 7, {kC0, kR0}, kDigitTip},
    {KeyArray::Chiffre, 8, {kC1, kR0}, kDigitTip},
    {KeyArray::Chiffre, 9, {kC2, kR0}, kDigitTip},
    {KeyArray::Constante, 0, {kC7, kR1}, "Pi. Clavier: P"},
    {KeyArray::Signe, 0, {kC1, kR3}, "Changement de signe. Clavier: F6"},
    {KeyArray::Decimal, 0, {kC2, kR3}, ", du clavier et du pavé numérique"},
    {KeyArray::Operateur, 0, {kC3, kR0}, "+ du pavé numérique"},
    {KeyArray::Operateur, 1, {kC3, kR1}, "- du pavé numérique"},
    {KeyArray::Operateur, 2, {kC3, kR2}, "* du clavier et du pavé numérique"},
    {KeyArray::Operateur, 3, {kC3, kR3}, "/ du clavier et du pavé numérique"},
    {KeyArray::Operateur, 4, {kC4, kR3}, "Reste de la division de x par y. Clavier: %"},
    {KeyArray::Operateur, 5, {kC7, kR3}, "x puissance y. Clavier: Y"},
    {KeyArray::Operateur, 6, {kC6, kR4}, "Logarithme de base n. Clavier: L"},
    {KeyArray::Egal, 0, {kC4, kR2}, "Touche Entrée du clavier et du pavé numérique."},
    {KeyArray::Retour, 0, {kC5, kR0}, "Efface un caractère. Clavier: BackSpace"},
    {KeyArray::CancelEntry, 0, {kC6, kR0}, "Annule l'entrée. Clavier: Suppr"},
    {KeyArray::Cancel, 0, {kC7, kR0}, "Réinitialise. Clavier: Echap"},
    {KeyArray::Fonction, 0, {kC5, kR1}, "Euro. Clavier: E"},
    {KeyArray::Fonction, 1, {kC6, kR1}, "Franc. Clavier: F"},
    {KeyArray::Fonction,
     2,
     {kC5, kR2},
     "Clic gauche: retourne la partie entière. Clic droit: retourne la partie décimale. Clavier: "
     "; et Shift-;"},
    {KeyArray::Fonction, 3, {kC6, kR2}, "Racine carrée. Clavier: R"},
    {KeyArray::Fonction, 4, {kC5, kR3}, "x au carré. Clavier: C"},
    {KeyArray::Fonction, 5, {kC6, kR3}, "x au cube. Clavier: K"},
    {KeyArray::Fonction, 6, {kC7, kR2}, "1/x. Clavier: I"},
    {KeyArray::Fonction,
     7,
     {kC5, kR4},
     "Clic gauche: logarithme népérien de x. Clic droit: e puissance x. Clavier: N et Shift-N"},
    {KeyArray::Fonction,
     8,
     {kC7, kR4},
     "Gestion des décimales. Clic gauche: sans arrondi. Clic droit: avec arrondi. Clavier: D et "
     "Shift-D"},
    {KeyArray::Fonction, 9, {kC5, kR5}, "Cosinus arrondi à 4 décimales. Clavier: O"},
    {KeyArray::Fonction, 10, {kC6, kR5}, "Sinus arrondi à 4 décimales. Clavier: S"},
    {KeyArray::Fonction, 11, {kC7, kR5}, "Tangente arrondie à 4 décimales. Clavier: T"},
    {KeyArray::Mem, 0, {120, kR5}, kMemoryTip},
    {KeyArray::Mem, 1, {600, kR5}, kMemoryTip},
    {KeyArray::Mem, 2, {1080, kR5}, kMemoryTip},
    {KeyArray::Mem, 3, {1560, kR5}, kMemoryTip},
    {KeyArray::Mem, 4, {2040, kR5}, kMemoryTip},
    {KeyArray::Grille, 0, {2880, 3840}, "Clavier: G"},
}};

// The control arrays: their names, and the engine key of their members.
struct ArrayRecord {
    KeyArray array;
    std::string_view control_name;
    bool single;
    std::optional<Key> engine_key;
};

// In KeyArray order.
constexpr std::array<ArrayRecord, 12> kArrays = {{
    {KeyArray::Chiffre, "imaChiffre", false, Key::Digit},
    {KeyArray::Constante, "imaConstante", false, Key::Constant},
    {KeyArray::Signe, "imaSigne", true, Key::Sign},
    {KeyArray::Decimal, "imaDecimal", true, Key::DecimalComma},
    {KeyArray::Operateur, "imaOpérateur", false, Key::Operator},
    {KeyArray::Egal, "imaEgal", true, Key::Equals},
    {KeyArray::Retour, "imaRetour", true, Key::Backspace},
    {KeyArray::CancelEntry, "imaCancelEntry", true, Key::CancelEntry},
    {KeyArray::Cancel, "imaCancel", true, Key::Cancel},
    {KeyArray::Fonction, "imaFonction", false, Key::Function},
    {KeyArray::Mem, "imaMem", false, Key::Memory},
    {KeyArray::Grille, "imaGrille", true, std::nullopt},
}};

const ArrayRecord& Array(KeyArray array) {
    return kArrays[static_cast<std::size_t>(array)];
}

const KeyRecord& Record(KeyId key) {
    return kKeys[static_cast<std::size_t>(key)];
}

}  // namespace

KeyArray ArrayOf(KeyId key) {
    return Record(key).array;
}

int IndexOf(KeyId key) {
    return Record(key).index;
}

bool IsSingleControl(KeyArray array) {
    return Array(array).single;
}

std::optional<KeyId> FindKey(KeyArray array, int index) {
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyRecord& record = kKeys[static_cast<std::size_t>(i)];
        if (record.array == array && record.index == index) {
            return KeyAt(i);
        }
    }
    return std::nullopt;
}

std::string_view ControlName(KeyArray array) {
    return Array(array).control_name;
}

std::optional<KeyPress> EngineKey(KeyId key, int button) {
    const std::optional<Key> engine_key = Array(ArrayOf(key)).engine_key;
    if (!engine_key) {
        return std::nullopt;
    }
    return KeyPress{*engine_key, IndexOf(key), button};
}

std::optional<KeyId> KeyOf(const KeyPress& press) {
    for (const ArrayRecord& record : kArrays) {
        if (record.engine_key == press.key) {
            return FindKey(record.array, press.index);
        }
    }
    return std::nullopt;
}

std::string ObjectName(KeyId key) {
    std::string name(ControlName(ArrayOf(key)));
    if (!IsSingleControl(ArrayOf(key))) {
        name += std::to_string(IndexOf(key));
    }
    return name;
}

TwipPoint KeyPosition(KeyId key) {
    return Record(key).position;
}

PixelSize KeySize(KeyId key) {
    return key == KeyId::Grille ? kGridKeySize : kKeySize;
}

std::string_view KeyTooltip(KeyId key) {
    return Record(key).tooltip;
}

std::string KeySpokenName(KeyId key) {
    static constexpr std::array<std::string_view, 7> kOperators = {
        "Plus",   "Moins",         "Multiplié par",       "Divisé par",
        "Modulo", "x puissance y", "Logarithme de base n"};
    static constexpr std::array<std::string_view, 12> kFunctions = {
        "Euro",       "Franc",     "Partie entière", "Racine carrée",
        "x au carré", "x au cube", "Inverse",        "Logarithme népérien",
        "Décimales",  "Cosinus",   "Sinus",          "Tangente"};
    const auto index = static_cast<std::size_t>(IndexOf(key));
    switch (ArrayOf(key)) {
        case KeyArray::Chiffre:
            return std::to_string(index);
        case KeyArray::Constante:
            return "Pi";
        case KeyArray::Signe:
            return "Changement de signe";
        case KeyArray::Decimal:
            return "Virgule";
        case KeyArray::Operateur:
            return std::string(kOperators.at(index));
        case KeyArray::Egal:
            return "Égal";
        case KeyArray::Retour:
            return "Effacer un caractère";
        case KeyArray::CancelEntry:
            return "Annuler l'entrée";
        case KeyArray::Cancel:
            return "Réinitialiser";
        case KeyArray::Fonction:
            return std::string(kFunctions.at(index));
        case KeyArray::Mem:
            return "Mémoire " + std::to_string(index + 1);
        case KeyArray::Grille:
            return "Mode grille";
    }
    return {};
}

}  // namespace tallimo
