#include <gtest/gtest.h>
#include "e2e/driver.h"
#include "program_facts.h"

namespace {

enum class CloseBy { CloseMessage, AltF4, SystemMenuClose, EndSession };

struct CloseCase {
    const char* name;
    CloseBy how;
};

void Close(HWND window, CloseBy how) {
    switch (how) {
    case CloseBy::CloseMessage:
        PostMessageA(window, WM_CLOSE, 0, 0);
        break;
    case CloseBy::AltF4:
        ASSERT_TRUE(BringToFront(window));
        PressKey(VK_F4, false, true);
        break;
    case CloseBy::SystemMenuClose: // what the system menu's Close sends
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseBy::EndSession: {
        DWORD_PTR agrees = 0;
        ASSERT_TRUE(
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &agrees));
        EXPECT_EQ(TRUE, agrees);
        PostMessageA(window, WM_CLOSE, 0, 0);
        break;
    }
    }
}

class ClosingTest : public testing::TestWithParam<CloseCase> {};

TEST_P(ClosingTest, EndsTheProcessWithExitCodeZero) {
    ProgramSession program;
    ASSERT_TRUE(program.Launch());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(nullptr, window);
    Close(window, GetParam().how);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(&exitCode));
    EXPECT_EQ(0u, exitCode);
}

const CloseCase kCloseCases[] = {
    {"CloseMessage", CloseBy::CloseMessage},
    {"AltF4", CloseBy::AltF4},
    {"SystemMenuClose", CloseBy::SystemMenuClose},
    {"EndSession", CloseBy::EndSession},
};

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTest, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& param) {
                             return param.param.name;
                         });

} // namespace
