#include "app/calc_keypad.h"

#include "app/key_translation.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "engine/keyboard.h"
#include "platform/host.h"

namespace tallimo {

namespace {

// How long a typed key shows its pressed look before it acts.
constexpr int kKeyLookMilliseconds = 100;

}  // namespace

CalcKeypad::CalcKeypad(Host& host, QWidget& client, Actions actions)
    : QObject(&client),
      actions_(std::move(actions)),
      queue_(
          [&host, this](int milliseconds, std::function<void()> done) {
              host.RunLater(milliseconds, this, std::move(done));
          },
          kKeyLookMilliseconds) {
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyId key = KeyAt(i);
        auto* control = new KstGdiCtl(&client);
        SetUpKey(*control, key);
        keys_[static_cast<std::size_t>(i)] = control;
        // A click shows its look while the button is down and acts on release.
        connect(control, &KstGdiCtl::MouseDown, this, [control, key](int, int) {
            if (key != KeyId::Grille) {
                PressLook(*control);
            }
        });
        connect(control, &KstGdiCtl::MouseUp, this,
                [this, key](int button, int) { Queue(key, EngineKey(key, button), false); });
    }
}

bool CalcKeypad::Type(const QKeyEvent& event) {
    const std::optional<VirtualKey> typed = TranslateKeyEvent(event);
    if (!typed) {
        return false;
    }
    const std::optional<KeyboardAction> action = MapKeyboardKey(typed->code, typed->mask);
    if (!action) {
        return false;
    }
    if (action->grid_key) {
        Queue(KeyId::Grille, std::nullopt, false);
    } else {
        Queue(KeyOf(action->key), action->key, true);
    }
    return true;
}

void CalcKeypad::QueueCommand(std::function<void()> command) {
    queue_.Push({{}, std::move(command)});
}

void CalcKeypad::ShowKeypad(bool visible) {
    for (int i = 0; i < kKeypadKeyCount; ++i) {
        keys_[static_cast<std::size_t>(i)]->setVisible(visible);
    }
}

void CalcKeypad::Queue(std::optional<KeyId> key, std::optional<KeyPress> press, bool show_pressed) {
    KstGdiCtl* control = key ? Key(*key) : nullptr;
    KeyPressQueue::Step step;
    if (show_pressed && control != nullptr) {
        step.show_pressed = [control] { PressLook(*control); };
    }
    step.act = [this, control, press] {
        if (!press) {
            actions_.grid_key();
            return;
        }
        if (control != nullptr) {
            ReleaseLook(*control);
        }
        actions_.press(*press);
    };
    queue_.Push(std::move(step));
}

}  // namespace tallimo
