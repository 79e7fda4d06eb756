#include <gtest/gtest.h>
#include "app/screen_layout.h"

namespace {
struct CentreCase {
    int screen;
    int window;
    int origin;
};

const CentreCase kCentreCases[] = {
    {1024, 613, 205},
    {768, 324, 222},
    {1920, 613, 653},
    {613, 613, 0},
    {614, 613, 0},
    {600, 613, -6}, // a screen narrower than the window: truncated toward zero,
                    // not floored
    {300, 324, -12},
    {0, 613, -306},
};

class CentredOriginTest : public testing::TestWithParam<CentreCase> {};

TEST_P(CentredOriginTest, CentresOnTheWholeScreen) {
    EXPECT_EQ(GetParam().origin, CentredOrigin(GetParam().screen, GetParam().window));
}

INSTANTIATE_TEST_SUITE_P(Cases, CentredOriginTest, testing::ValuesIn(kCentreCases));
} // namespace
