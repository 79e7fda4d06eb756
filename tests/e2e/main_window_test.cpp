#include <gtest/gtest.h>
#include "e2e/driver.h"
#include "program_facts.h"

namespace {

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program.Launch());
        window = program.WaitForMainWindow();
        ASSERT_NE(nullptr, window);
    }
    ProgramSession program;
    HWND window = nullptr;
};

TEST_F(MainWindowTest, IsAFixedSizeWindowCentredOnTheWholeScreen) {
    EXPECT_EQ(kMainWindowClass, ClassOf(window));
    RECT frame = RectInParent(window);
    EXPECT_EQ(kMainWindowWidth, frame.right - frame.left);
    EXPECT_EQ(kMainWindowHeight, frame.bottom - frame.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2, frame.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2, frame.top);
    EXPECT_EQ(nullptr, GetParent(window));
    EXPECT_EQ(nullptr, GetWindow(window, GW_OWNER));
    EXPECT_EQ(nullptr, GetMenu(window));
}

TEST_F(MainWindowTest, HasExactlyItsStyleBits) {
    // Windows itself adds WS_CLIPSIBLINGS to every overlapped window and WS_EX_WINDOWEDGE to a
    // window with a caption; WS_VISIBLE comes with showing it. Nothing else may be there: no
    // sizing frame, no maximise box.
    const LONG_PTR style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    EXPECT_EQ(style | WS_CLIPSIBLINGS | WS_VISIBLE, GetWindowLongPtrA(window, GWL_STYLE));
    EXPECT_EQ(WS_EX_WINDOWEDGE, GetWindowLongPtrA(window, GWL_EXSTYLE));
}

TEST_F(MainWindowTest, TitleIsTheCodePage936Bytes) {
    EXPECT_EQ(Hex(kExpectedTitle), Hex(TextOf(window)));
}

TEST_F(MainWindowTest, ClientAreaIsPaintedInTheButtonFaceColour) {
    // Two strips the controls leave free: between the web pane (bottom 133) and the group
    // (top 140), and right of the group (584 on).
    const POINT probes[] = {{300, 136}, {596, 200}, {600, 138}};
    for (POINT probe : probes) {
        POINT onScreen = probe;
        ClientToScreen(window, &onScreen);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ScreenPixel(onScreen.x, onScreen.y))
            << "at client (" << probe.x << ", " << probe.y << ")";
    }
}

TEST_F(MainWindowTest, CarriesABigAndASmallIconAndItsOwnClass) {
    std::vector<std::string> report = program.Probe(window);
    ASSERT_GE(report.size(), 2u);
    EXPECT_EQ("icon big=32x32 small=16x16", report[0]);
    // CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, the arrow, the stock null brush
    EXPECT_EQ("window id=0 class=WTWindow classstyle=0xb brush=null font=none cursor=arrow",
              report[1]);
}

TEST_F(MainWindowTest, ADoubleClickOnTheCaptionDoesNotMaximise) {
    RECT before = RectInParent(window);
    PostMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    Sleep(500);
    RECT after = RectInParent(window);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
    EXPECT_FALSE(IsZoomed(window));
}
} // namespace
