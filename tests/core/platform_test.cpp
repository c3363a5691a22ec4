#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "fakes.h"
#include "gbk.h"
#include "platform/display_check.h"
#include "platform/runtime_failure.h"

namespace qalcor {
namespace {

TEST(RuntimeFailure, ReportTextLaysOutCodeAndMessage) {
    EXPECT_EQ(
        runtimeFailureText(kSlotBelowOne.code, kSlotBelowOne.message),
        gbk("运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"));
    EXPECT_EQ(
        runtimeFailureText(kSlotAboveCount.code, kSlotAboveCount.message),
        gbk("运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"));
}

// Writes what it is asked to show to stderr, where the death test can see it.
class StderrMessages : public MessageSink {
  public:
    void showMessage(TextView text, int flags, TextView caption) override {
        std::fprintf(stderr, "shown flags=%d caption=%s code=%s\n", flags,
                     caption == gbk("错误") ? "ok" : "wrong",
                     text.find(gbk("错误代码：") + "1\r") != TextView::npos ? "1" : "other");
    }
};

TEST(RuntimeFailureDeathTest, SlotAboveTheCountShowsTheReportAndExitsWithMinusOne) {
    StderrMessages messages;
    VariableStore store(fatalSlotReporter(messages));
    store.appendSlot();
    EXPECT_EXIT(store.recordAt(2), ::testing::ExitedWithCode(255),
                "shown flags=16 caption=ok code=1");
}

TEST(DisplayCheck, NeedsAReachableDisplayOrAnExplicitPlatform) {
    // Displays named "up..." answer, every other one does not.
    const DisplayProbe probe = [](const std::string& name, bool) {
        return name.rfind("up", 0) == 0;
    };
    const struct {
        std::map<std::string, std::string> env;
        bool missing;
    } cases[] = {
        {{}, true},
        {{{"DISPLAY", ""}}, true},
        {{{"DISPLAY", "up:0"}}, false},
        {{{"DISPLAY", ":0"}}, true},  // set, but nothing listens
        {{{"WAYLAND_DISPLAY", "up-wayland"}}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", "up:1"}}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ":0"}}, false},
    };
    for (const auto& c : cases) {
        const auto message = missingDisplayMessage(
            [&](const char* name) -> const char* {
                const auto it = c.env.find(name);
                return it == c.env.end() ? nullptr : it->second.c_str();
            },
            probe);
        EXPECT_EQ(message.has_value(), c.missing);
        if (message) {
            EXPECT_NE(message->find("QT_QPA_PLATFORM=offscreen"), std::string::npos);
            EXPECT_EQ(message->find('\n'), std::string::npos);
        }
    }
}

TEST(DisplayCheck, ProbesRealSockets) {
    EXPECT_FALSE(displayAnswers(":4711", false));
    EXPECT_FALSE(displayAnswers("no-colon", false));
    EXPECT_FALSE(displayAnswers("/nonexistent/wayland-socket", true));
}

}  // namespace
}  // namespace qalcor
