// Keys and menu commands in the order the user gave them. A key typed on
// the keyboard shows its pressed look for a moment before it acts; a step
// that arrives meanwhile ends that look at once, so that the key acts, and
// then takes its turn. A burst of keys never trails behind the typist, the
// last key of a burst keeps its whole look, and every step still acts after
// all the steps given before it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

namespace tallimo {

class KeyPressQueue {
  public:
    // Calls `done` once, `milliseconds` later.
    using Pause = std::function<void(int milliseconds, std::function<void()> done)>;

    struct Step {
        // The pressed look, shown for the pause before `act`; a step without
        // one acts as soon as its turn comes.
        std::function<void()> show_pressed;
        std::function<void()> act;
    };

    KeyPressQueue(Pause pause, int pause_milliseconds);

    // Runs the step now when nothing is waiting or in progress; a step
    // showing its pressed look acts first. Else the step waits for the
    // steps given before it.
    void Push(Step step);
    // Forgets the steps still waiting; the one in progress finishes.
    void Clear();
    // A step waits or is in progress.
    bool Pending() const { return busy_ || !steps_.empty(); }

  private:
    void RunNext();
    // The step showing its look acts now.
    void EndLook();
    void Act();

    Pause pause_;
    int pause_milliseconds_;
    std::deque<Step> steps_;
    Step current_;
    // A step is between its pressed look and the end of its action. A step's
    // action may open a modal box, whose event loop may deliver more steps:
    // they wait until it is done.
    bool busy_ = false;
    // The current step shows its look and waits for the pause to end.
    bool looking_ = false;
    // Tells a pause that ended after its look was cut short from the pause
    // of the look now shown.
    std::uint64_t look_number_ = 0;
};

}  // namespace tallimo
