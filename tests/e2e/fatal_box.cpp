#include "e2e/fatal_box.h"
#include <gtest/gtest.h>

void ExpectFatalEnd(ProgramSession& program, const std::string& text) {
    const DWORD kExitFailure = 0xFFFFFFFF;
    HWND box = program.WaitForMessageBox();
    ASSERT_NE(nullptr, box) << "no error box";
    EXPECT_EQ(nullptr, program.FindTopLevel("WTWindow")) << "no window is shown";
    MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ("错误", view.caption);
    EXPECT_EQ(Hex(text), Hex(view.text)) << view.text;
    EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
    EXPECT_EQ("box icon=error buttons=OK", program.DescribeMessageBox(box));
    EXPECT_TRUE(program.IsRunning()) << "the process waits for the box";
    PressOk(box);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(&exitCode));
    EXPECT_EQ(kExitFailure, exitCode);
}
