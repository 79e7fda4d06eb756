#include <gtest/gtest.h>
#include <memory>
#include "e2e/driver.h"
#include "e2e/fatal_box.h"
#include "e2e/registry.h"
#include "program_facts.h"

namespace {
// When the main window or one of its controls cannot be had, no window is shown and start-up
// ends with the fatal box and exit code -1. Where a stand-in WebBrowser control fails the pane
// after it exists, its log shows that the pane gave back every reference it took and that the
// control let go of the pane's site.
struct StartUpFailureCase {
    const char* name;
    bool refuseMainWindow;   // a hook refuses the main window's creation
    bool noControlLibrary;   // the platform's WebBrowser control cannot be loaded
    const char* standInMode; // a stand-in WebBrowser control that fails this way
};

const StartUpFailureCase kStartUpFailures[] = {
    {"RefusedByAHook", true, false, nullptr},
    {"NoWebBrowserControl", false, true, nullptr},
    {"NoIWebBrowser2", false, false, "no-webbrowser2"},
    {"InPlaceActivationFails", false, false, "fail-activation"},
};

class StartUpFailureTest : public testing::TestWithParam<StartUpFailureCase> {};

TEST_P(StartUpFailureTest, ShowsNoWindowAndEndsWithTheFatalBoxAndMinusOne) {
    const StartUpFailureCase& c = GetParam();
    std::string log = JoinPath(MakeTestFolder(std::string("start-") + c.name), "control.log");
    std::unique_ptr<WebBrowserStandIn> standIn;
    if (c.standInMode != nullptr) {
        standIn.reset(new WebBrowserStandIn);
        ASSERT_TRUE(standIn->registered());
    }
    DllOverride controlLibrary("ieframe", c.noControlLibrary ? "" : nullptr);
    ProgramSession program;
    LaunchOptions options;
    options.refuseMainWindow = c.refuseMainWindow;
    options.environment = {"WEB_BROWSER_DOUBLE_LOG=" + log,
                           std::string("WEB_BROWSER_DOUBLE_MODE=") +
                               (c.standInMode ? c.standInMode : "")};
    ASSERT_TRUE(program.Launch(options));
    ExpectFatalEnd(program, kStartUpFailed);
    if (c.standInMode != nullptr) {
        std::vector<std::string> lines = ReadLines(log);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ("created", lines.front());
        EXPECT_EQ("released: site let go", lines.back()) << "every reference given back";
    }
}

INSTANTIATE_TEST_SUITE_P(Causes, StartUpFailureTest, testing::ValuesIn(kStartUpFailures),
                         [](const testing::TestParamInfo<StartUpFailureCase>& param) {
                             return param.param.name;
                         });
} // namespace
