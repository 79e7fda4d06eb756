#include <gtest/gtest.h>
#include "e2e/driver.h"
#include "program_facts.h"
#include "e2e/registry.h"

namespace {

class KeyboardTest : public testing::Test {
  protected:
    void SetUp() override {
        RemoveProxyValues();
        ASSERT_TRUE(program.Launch());
        window = program.WaitForMainWindow();
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(BringToFront(window));
    }
    // The identifier of the control that holds the focus: the focus window's own, or, inside
    // the web pane, the pane's.
    int FocusedId() {
        HWND focus = program.Focus();
        if (focus == nullptr)
            return 0;
        HWND parent = GetParent(focus);
        if (parent != nullptr && GetDlgCtrlID(parent) == kWebPaneId)
            return kWebPaneId;
        return GetDlgCtrlID(focus);
    }
    ProgramSession program;
    HWND window = nullptr;
};

TEST_F(KeyboardTest, TabAndShiftTabWalkTheCycleBothWays) {
    struct {
        bool shift;
        int lands;
    } steps[] = {
        {false, kSetProxyButtonId}, {false, kClearProxyButtonId}, {false, kWebPaneId},
        {false, kAddressEditId},    {true, kWebPaneId},           {true, kClearProxyButtonId},
        {true, kSetProxyButtonId},  {true, kAddressEditId},       {true, kWebPaneId},
        {false, kAddressEditId},
    };
    ASSERT_EQ(kAddressEditId, FocusedId());
    int step = 0;
    for (const auto& s : steps) {
        PressKey(VK_TAB, s.shift);
        EXPECT_TRUE(WaitUntil([&] { return FocusedId() == s.lands; }, 3000))
            << "step " << step << (s.shift ? " Shift+Tab" : " Tab") << ": focus on " << FocusedId()
            << ", expected " << s.lands;
        ++step;
    }
}

TEST_F(KeyboardTest, EnterEscapeAndF1DoNothingOfTheirOwn) {
    WriteInternetSetting("ProxyServer", "untouched");
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    PressKey(VK_F1);
    Sleep(500);
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(nullptr, program.FindTopLevel(kMessageBoxClass)) << "no action started";
    EXPECT_EQ(std::string("untouched", 10), ReadInternetSetting("ProxyServer").data);
    EXPECT_EQ(kAddressEditId, FocusedId()) << "Enter does not move the focus";
    // Space on a focused button clicks it as the platform's button does.
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusedId() == kSetProxyButtonId; }, 3000));
    PressKey(VK_SPACE);
    HWND box = program.WaitForMessageBox(5000);
    ASSERT_NE(nullptr, box);
    PressOk(box);
}

TEST_F(KeyboardTest, FocusReturnsToItsControlAfterAnotherWindowWasActive) {
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusedId() == kClearProxyButtonId; }, 3000));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, other);
    ASSERT_TRUE(BringToFront(other));
    EXPECT_TRUE(WaitUntil([&] { return program.Focus() == nullptr; }, 3000));
    ASSERT_TRUE(BringToFront(window));
    EXPECT_TRUE(WaitUntil([&] { return FocusedId() == kClearProxyButtonId; }, 3000))
        << "focus on " << FocusedId();
    DestroyWindow(other);
}

} // namespace
