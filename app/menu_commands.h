// The commands of the calculator window's menus, as data: the menu that
// holds each, the name and caption it shows, its shortcut, and whether grid
// mode allows it. The menu bar is built from this table, and the window
// carries out a command by its MenuCommand alone.
#pragma once

#include <span>
#include <string_view>

namespace tallimo {

enum class MenuCommand {
    BlankGrid,
    Open,
    Save,
    Print,
    PrintPreview,
    Quit,
    ReopenLastGrid,
    ExportForSpreadsheet,
    Copy,
    Paste,
    RemoveCancelled,
    Undo,
    Redo,
    Converter,
    DateCalculator,
    CustomiseColors,
    Help,
    About,
};

// A menu of the menu bar.
struct MenuInfo {
    std::string_view object_name;  // "mnuPrin0"
    std::string_view caption;      // "&Fichier"
    // Grid mode keeps the file and edit menus away from a grid whose lines
    // are being edited.
    bool enabled_in_grid_mode;
};

struct MenuCommandInfo {
    MenuCommand command;
    int menu;                      // index of its menu in Menus()
    std::string_view object_name;  // "mnuFich0"
    std::string_view caption;
    // As Qt writes key sequences, "Ctrl+G"; several separated by "|"; empty
    // for none.
    std::string_view shortcut;
    // Whether the command runs in grid mode (by its shortcut where its menu
    // is disabled).
    bool allowed_in_grid_mode;
    // Whether a line comes before the item in its menu.
    bool separator_before = false;
};

// The menus in menu-bar order.
std::span<const MenuInfo> Menus();
// Every command, menu by menu, in the order of its menu's items.
std::span<const MenuCommandInfo> MenuCommands();
const MenuCommandInfo& CommandInfo(MenuCommand command);

bool MenuAllowedInGridMode(int menu);

}  // namespace tallimo
