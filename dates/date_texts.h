// The date calculator window's own texts. Lines break the Windows way,
// "\r\n"; the window shows them as line breaks.
#pragma once

#include <string_view>

namespace tallimo::date_texts {

inline constexpr std::string_view kCaption = "Calculateur de dates";

inline constexpr std::string_view kDateModeButton = "Calculer une date à partir d'une date";
inline constexpr std::string_view kIntervalModeButton = "Calculer l'intervalle entre deux dates";

inline constexpr std::string_view kDateModeName = "Calcul d'une date à partir d'une date";
inline constexpr std::string_view kIntervalModeName = "Calcul d'un intervalle entre deux dates";

inline constexpr std::string_view kDateInstruction =
    "Choisissez la date devant servir au calcul dans le calendrier de gauche. Indiquez en "
    "années, mois et jours, l'intervalle de temps à ajouter ou soustraire à cette date.\r\n"
    "Le résultat est affiché dans le calendrier de droite.";
inline constexpr std::string_view kIntervalInstruction =
    "Choisissez une date dans chaque calendrier.\r\nL'intervalle de temps en années, mois et "
    "jours séparant ces deux dates s'affichent sous les calendriers.";

inline constexpr std::string_view kShowHelp = "Aide (Navigation dans les calendriers)";
inline constexpr std::string_view kHideHelp = "Revenir au calculateur";
inline constexpr std::string_view kHelp =
    " Home: date d'aujourd'hui.\r\n"
    "  Left: jour précédent.\r\n"
    "  Right: jour suivant.\r\n"
    "  Up: semaine précédente.\r\n"
    "  Dwn: semaine suivante.\r\n"
    "  PgUp: mois précédent.\r\n"
    "  PgDwn: mois suivant.\r\n"
    "  Ctrl+PgUp: année précédente.\r\n"
    "  Ctrl+PgDwn: année suivante.\r\n"
    "  Shift+PgUp: 10 années avant.\r\n"
    "  Shift+PgDwn: 10 années après.";

inline constexpr std::string_view kAdd = "Ajouter";
inline constexpr std::string_view kSubtract = "Soustraire";
inline constexpr std::string_view kYears = "Année(s)";
inline constexpr std::string_view kMonths = "Mois";
inline constexpr std::string_view kDays = "Jour(s)";
inline constexpr std::string_view kIntervalHeading =
    "L'intervalle de temps entre ces deux dates est de";

// The calendar control's arrow buttons.
inline constexpr std::string_view kPreviousTip =
    "Clic gauche: reculer d'un mois. Clic droit: reculer d'une année";
inline constexpr std::string_view kNextTip =
    "Clic gauche: avancer d'un mois. Clic droit: avancer d'une année";

}  // namespace tallimo::date_texts
