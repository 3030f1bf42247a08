// The queue of keys and commands: everything acts in the order given,
// whatever pauses and nested event loops come between, and no step waits
// for the pressed look of the key before it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/key_press_queue.h"

namespace tallimo {
namespace {

class KeyQueue : public ::testing::Test {
  protected:
    // A key that shows its pressed look, then acts.
    KeyPressQueue::Step Key(char name) {
        return {[this, name] { log += std::string("(") + name; },
                [this, name] { log += std::string(1, name) + ")"; }};
    }
    // A command: no look, no pause.
    KeyPressQueue::Step Command(char name) {
        return {{}, [this, name] { log += name; }};
    }
    void EndPause() {
        ASSERT_FALSE(pauses.empty());
        auto done = std::move(pauses.front());
        pauses.erase(pauses.begin());
        done();
    }

    std::string log;
    std::vector<std::function<void()>> pauses;
    KeyPressQueue queue{
        [this](int, std::function<void()> done) { pauses.push_back(std::move(done)); }, 100};
};

// A burst: each new step ends the look of the key before it, which acts
// first; the last key keeps its whole look. The pauses of the looks cut short
// end later and change nothing.
TEST_F(KeyQueue, ABurstNeverWaitsAndTheLastKeyKeepsItsLook) {
    queue.Push(Key('4'));
    queue.Push(Key('5'));
    queue.Push(Command('C'));
    queue.Push(Key('6'));
    EXPECT_EQ(log, "(44)(55)C(6");
    EXPECT_TRUE(queue.Pending());
    EndPause();
    EndPause();
    EXPECT_EQ(log, "(44)(55)C(6") << "a pause of a look already ended";
    EndPause();
    EXPECT_EQ(log, "(44)(55)C(66)");
    EXPECT_FALSE(queue.Pending());
}

// A step whose action opens a modal box runs an event loop, which may
// deliver new steps: they act after it, never inside it.
TEST_F(KeyQueue, StepsGivenDuringAnActionActAfterIt) {
    queue.Push({{}, [this] {
                    log += "<";
                    queue.Push(Command('x'));
                    queue.Push(Key('y'));
                    log += ">";
                }});
    EXPECT_EQ(log, "<>x(y");
    EndPause();
    EXPECT_EQ(log, "<>x(yy)");
}

TEST_F(KeyQueue, ClearForgetsTheStepsWaitingBehindAnAction) {
    queue.Push({{}, [this] {
                    log += "<";
                    queue.Push(Key('1'));
                    queue.Push(Command('c'));
                    queue.Clear();
                    log += ">";
                }});
    EXPECT_EQ(log, "<>");
    EXPECT_FALSE(queue.Pending());
    queue.Push(Command('z'));
    EXPECT_EQ(log, "<>z");
}

TEST_F(KeyQueue, AnActionMayClearTheStepsThatFollowIt) {
    queue.Push({{}, [this] { queue.Clear(); }});
    queue.Push(Key('1'));
    queue.Push(Key('g'));
    queue.Push({[] {}, [this] { queue.Clear(); }});
    queue.Push(Key('2'));
    EndPause();
    EndPause();
    EndPause();
    EXPECT_EQ(log, "(11)(gg)");
    EXPECT_FALSE(queue.Pending());
}

}  // namespace
}  // namespace tallimo
