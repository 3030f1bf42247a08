// The calculator window's keypad: its graphic keys, and the road of a key
// from the keyboard or the mouse to the document. Keys and menu commands
// wait their turn in one queue, so that each acts after everything given
// before it.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>

#include "app/key_press_queue.h"
#include "appearance/keypad_keys.h"
#include "engine/keys.h"

class QKeyEvent;
class QWidget;

namespace tallimo {

class Host;
class KstGdiCtl;

class CalcKeypad : public QObject {
    Q_OBJECT

  public:
    struct Actions {
        std::function<void(const KeyPress&)> press;  // a key of the calculator
        std::function<void()> grid_key;              // the grid-mode key
    };

    // The keys are made on `client`, at their designed places.
    CalcKeypad(Host& host, QWidget& client, Actions actions);

    // Every key in drawing order, the grid-mode key last.
    const std::array<KstGdiCtl*, kKeyCount>& Keys() const { return keys_; }
    KstGdiCtl* Key(KeyId key) const { return keys_[static_cast<std::size_t>(key)]; }

    // A key typed in calculator mode. True when the keyboard table knows it:
    // the key shows its pressed look, then acts in its turn.
    bool Type(const QKeyEvent& event);
    // A menu command, after the keys given before it.
    void QueueCommand(std::function<void()> command);
    // Forgets the keys still waiting; the one in progress finishes.
    void Clear() { queue_.Clear(); }
    bool Pending() const { return queue_.Pending(); }
    // Hides the keypad keys (not the grid-mode key) in grid mode.
    void ShowKeypad(bool visible);

  private:
    // `press` is what the engine is told; none for the grid-mode key.
    void Queue(std::optional<KeyId> key, std::optional<KeyPress> press, bool show_pressed);

    Actions actions_;
    KeyPressQueue queue_;
    std::array<KstGdiCtl*, kKeyCount> keys_{};
};

}  // namespace tallimo
