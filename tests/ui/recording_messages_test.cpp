#include <gtest/gtest.h>

#include <functional>

#include "recording_messages.h"

namespace tandarel::testing {
namespace {

// What the widget-test fixture fails a test for: a box the test neither scripted, read
// nor accepted. A mistake here would let every unexpected box of the suite pass.
TEST(RecordingMessagesTest, UncheckedBoxes) {
    struct Case {
        const char* name;
        std::function<void(RecordingMessages&)> act;
        const char* unchecked;
    };
    const std::vector<Case> cases{
        {"unread", [](auto& m) { m.inform("a"); m.error("b"); }, "message: a | error: b"},
        {"every kind read", [](auto& m) { m.inform("a"); m.error("b"); m.texts(); }, ""},
        {"errors read", [](auto& m) { m.inform("a"); m.error("b"); m.errors(); }, "message: a"},
        {"messages read", [](auto& m) { m.inform("a"); m.error("b"); m.informs(); }, "error: b"},
        {"after the read", [](auto& m) { m.inform("a"); m.entries(); m.inform("c"); }, "message: c"},
        {"cleared", [](auto& m) { m.inform("a"); m.clear(); }, ""},
        {"accepted", [](auto& m) { m.accept("a"); m.inform("a"); m.error("b"); }, "error: b"},
        {"scripted", [](auto& m) { m.answer(true); m.ask("t", "q"); }, ""},
        {"unscripted, read", [](auto& m) { m.ask("t", "q"); m.texts(); }, "question: q"},
    };
    for (const auto& c : cases) {
        RecordingMessages messages;
        c.act(messages);
        EXPECT_EQ(messages.unchecked().join(" | ").toStdString(), c.unchecked) << c.name;
    }
}

}  // namespace
}  // namespace tandarel::testing
