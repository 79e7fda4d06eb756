#include "e2e/fatal_box.h"
#include <gtest/gtest.h>
#include "program_facts.h"

MessageBoxView CheckFatalBox(ProgramSession& program, HWND box) {
    MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(kFatalCaption, view.caption);
    EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
    EXPECT_EQ("box icon=error buttons=OK", program.DescribeMessageBox(box));
    EXPECT_TRUE(program.IsRunning()) << "the process waits for the box";
    return view;
}

void DismissFatalBox(ProgramSession& program, HWND box) {
    PressOk(box);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(&exitCode));
    EXPECT_EQ(kExitFailure, exitCode);
}

void ExpectFatalEnd(ProgramSession& program, const std::string& text) {
    HWND box = program.WaitForMessageBox();
    ASSERT_NE(nullptr, box) << "no error box";
    EXPECT_EQ(nullptr, program.FindTopLevel(kMainWindowClass)) << "no window is shown";
    MessageBoxView view = CheckFatalBox(program, box);
    EXPECT_EQ(Hex(text), Hex(view.text)) << view.text;
    DismissFatalBox(program, box);
}
