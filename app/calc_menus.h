// The calculator window's menu bar, made from the command table: each item
// hands its command to `run`, and its shortcut is known here only.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "app/menu_commands.h"

class QAction;
class QKeyEvent;
class QMainWindow;
class QMenu;

namespace tallimo {

class CalcMenus : public QObject {
    Q_OBJECT

  public:
    CalcMenus(QMainWindow& window, std::function<void(MenuCommand)> run);

    QAction* Item(MenuCommand command) const;
    // Grid mode keeps the file and edit menus away from the grid's lines;
    // undo and redo keep their shortcuts in both modes.
    void SetGridMode(bool grid_mode);
    // The event is the shortcut of an item, available or not: it is the
    // menus' and never a key of the keypad.
    bool IsShortcut(const QKeyEvent& event) const;

  private:
    std::vector<QMenu*> menus_;
    std::vector<QAction*> actions_;  // in MenuCommands() order
};

}  // namespace tallimo
