#include "app/menu_commands.h"

#include <algorithm>
#include <array>

namespace tallimo {

namespace {

constexpr std::array<MenuInfo, 5> kMenus = {{
    {"mnuPrin0", "&Fichier", false},
    {"mnuPrin1", "&Edition", false},
    {"mnuPrin2", "&Affichage", true},
    {"mnuPrin3", "&Personnaliser", true},
    {"mnuPrin4", "&?", true},
}};

// The other windows may open at any time. Undo and redo work in grid mode
// too, from the grid's keys. The items added to the original menus come
// after the original items, a line before them, except that "Quitter" stays
// the last item of its menu, after a line of its own, as on every desktop.
constexpr std::array<MenuCommandInfo, 18> kCommands = {{
    {MenuCommand::BlankGrid, 0, "mnuFich0", "Grille vierge", "Ctrl+G", false},
    {MenuCommand::Open, 0, "mnuFich1", "Ouvrir", "Ctrl+O", false},
    {MenuCommand::Save, 0, "mnuFich2", "Enregistrer", "Ctrl+S", false},
    {MenuCommand::Print, 0, "mnuFich3", "Imprimer", "Ctrl+P", false},
    {MenuCommand::PrintPreview, 0, "mnuFichApercu", "Aperçu avant impression", "", false},
    {MenuCommand::ReopenLastGrid, 0, "mnuFichDerniere", "Rouvrir la dernière grille", "", false,
     true},
    {MenuCommand::ExportForSpreadsheet, 0, "mnuFichExport", "Exporter pour un tableur…", "", false},
    {MenuCommand::Quit, 0, "mnuFich4", "Quitter", "Ctrl+Q", false, true},
    {MenuCommand::Copy, 1, "mnuEdit0", "Copier", "Ctrl+C", false},
    {MenuCommand::Paste, 1, "mnuEdit1", "Coller", "Ctrl+V", false},
    {MenuCommand::RemoveCancelled, 1, "mnuEdit2", "Supprimer les calculs annulés", "", false},
    {MenuCommand::Undo, 1, "mnuEditAnnuler", "Annuler la modification", "Ctrl+Z", true, true},
    {MenuCommand::Redo, 1, "mnuEditRetablir", "Rétablir", "Ctrl+Y|Ctrl+Shift+Z", true},
    {MenuCommand::Converter, 2, "mnuAffich0", "Convertisseur HOD", "", true},
    {MenuCommand::DateCalculator, 2, "mnuAffich1", "Calculateur de dates", "", true},
    {MenuCommand::CustomiseColors, 3, "mnuPersonnalisé0", "Personnaliser les couleurs", "", true},
    {MenuCommand::Help, 4, "mnuAide0", "Aide de Tallimo", "", true},
    {MenuCommand::About, 4, "mnuAide1", "A propos de...", "", true},
}};

}  // namespace

std::span<const MenuInfo> Menus() {
    return kMenus;
}

std::span<const MenuCommandInfo> MenuCommands() {
    return kCommands;
}

const MenuCommandInfo& CommandInfo(MenuCommand command) {
    return *std::find_if(
        kCommands.begin(), kCommands.end(),
        [command](const MenuCommandInfo& info) { return info.command == command; });
}

bool MenuAllowedInGridMode(int menu) {
    return kMenus.at(static_cast<std::size_t>(menu)).enabled_in_grid_mode;
}

}  // namespace tallimo
