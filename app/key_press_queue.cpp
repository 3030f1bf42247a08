#include "app/key_press_queue.h"

#include <utility>

namespace tallimo {

KeyPressQueue::KeyPressQueue(Pause pause, int pause_milliseconds)
    : pause_(std::move(pause)), pause_milliseconds_(pause_milliseconds) {}

void KeyPressQueue::Push(Step step) {
    steps_.push_back(std::move(step));
    if (looking_) {
        EndLook();
        return;
    }
    RunNext();
}

void KeyPressQueue::Clear() {
    steps_.clear();
}

void KeyPressQueue::RunNext() {
    while (!busy_ && !steps_.empty()) {
        busy_ = true;
        current_ = std::move(steps_.front());
        steps_.pop_front();
        if (current_.show_pressed) {
            current_.show_pressed();
            looking_ = true;
            pause_(pause_milliseconds_, [this, look = ++look_number_] {
                if (looking_ && look == look_number_) {
                    EndLook();
                }
            });
            return;
        }
        Act();
    }
}

void KeyPressQueue::EndLook() {
    looking_ = false;
    Act();
    RunNext();
}

void KeyPressQueue::Act() {
    const Step step = std::exchange(current_, {});
    step.act();
    busy_ = false;
}

}  // namespace tallimo
