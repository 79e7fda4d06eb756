#include <gtest/gtest.h>
#include "app/keyboard.h"

namespace {
// The cycle of the main window: AddressEdit, SetProxyButton, ClearProxyButton, WebPane among the
// nine controls in reverse order (group, label, edit, set, clear, label, label, link, pane).
const bool kMainWindowCycle[kControlCount] = {false, false, true,  true, true,
                                              false, false, false, true};
const int kEdit = 2, kSet = 3, kClear = 4, kPane = 8, kGroup = 0;

struct StepCase {
    const bool* canTakeFocus;
    int current;
    bool forward;
    int next;
};

const bool kNone[kControlCount] = {};
const bool kOnlyEdit[kControlCount] = {false, false, true};
const bool kEditAndPane[kControlCount] = {false, false, true,  false, false,
                                          false, false, false, true};

const StepCase kStepCases[] = {
    {kMainWindowCycle, kEdit, true, kSet},
    {kMainWindowCycle, kSet, true, kClear},
    {kMainWindowCycle, kClear, true, kPane},
    {kMainWindowCycle, kPane, true, kEdit}, // also how the first tab stop is found
    {kMainWindowCycle, kEdit, false, kPane},
    {kMainWindowCycle, kPane, false, kClear},
    {kMainWindowCycle, kClear, false, kSet},
    {kMainWindowCycle, kSet, false, kEdit},
    {kMainWindowCycle, kGroup, true, kEdit},
    {kMainWindowCycle, kGroup, false, kPane},
    {kEditAndPane, kEdit, true, kPane},
    {kEditAndPane, kPane, true, kEdit},
    {kOnlyEdit, kEdit, true, kEdit},
    {kOnlyEdit, kEdit, false, kEdit},
    {kNone, kEdit, true, -1},
    {kNone, kEdit, false, -1},
};

class StepTabCycleTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepTabCycleTest, MovesToTheNextControlThatCanTakeTheFocus) {
    const StepCase& c = GetParam();
    EXPECT_EQ(c.next, StepTabCycle(c.canTakeFocus, kControlCount, c.current, c.forward));
}

INSTANTIATE_TEST_SUITE_P(Cases, StepTabCycleTest, testing::ValuesIn(kStepCases));
} // namespace
