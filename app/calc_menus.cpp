#include "app/calc_menus.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

#include "platform/shell_basics.h"

namespace tallimo {

CalcMenus::CalcMenus(QMainWindow& window, std::function<void(MenuCommand)> run) : QObject(&window) {
    for (const MenuInfo& info : Menus()) {
        QMenu* menu = window.menuBar()->addMenu(Utf8(info.caption));
        menu->setObjectName(Utf8(info.object_name));
        menus_.push_back(menu);
    }
    for (const MenuCommandInfo& info : MenuCommands()) {
        QMenu* menu = menus_[static_cast<std::size_t>(info.menu)];
        if (info.separator_before) {
            menu->addSeparator();
        }
        QAction* action = menu->addAction(Utf8(info.caption));
        action->setObjectName(Utf8(info.object_name));
        QList<QKeySequence> shortcuts;
        for (const QString& text : Utf8(info.shortcut).split(u'|', Qt::SkipEmptyParts)) {
            shortcuts.append(QKeySequence(text));
        }
        action->setShortcuts(shortcuts);
        if (info.allowed_in_grid_mode) {
            // The window's own actions too, so that their shortcuts still
            // work while their menu is disabled in grid mode.
            window.addAction(action);
        }
        const MenuCommand command = info.command;
        connect(action, &QAction::triggered, this, [run, command] { run(command); });
        actions_.push_back(action);
    }
}

QAction* CalcMenus::Item(MenuCommand command) const {
    const std::span<const MenuCommandInfo> commands = MenuCommands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (commands[i].command == command) {
            return actions_[i];
        }
    }
    return nullptr;
}

void CalcMenus::SetGridMode(bool grid_mode) {
    for (std::size_t m = 0; m < menus_.size(); ++m) {
        menus_[m]->setEnabled(!grid_mode || MenuAllowedInGridMode(static_cast<int>(m)));
    }
}

bool CalcMenus::IsShortcut(const QKeyEvent& event) const {
    const QKeySequence typed(
        QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
    for (const QAction* action : actions_) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (shortcut == typed) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace tallimo
