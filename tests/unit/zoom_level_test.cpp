#include <gtest/gtest.h>
#include "app/web_pane.h"

namespace {
TEST(ZoomLevel, KeepsTheFontSizeWithinTheControlsFiveLevels) {
    const struct {
        int fontSize;
        int level;
    } cases[] = {{-1, 0}, {-100, 0}, {0, 0}, {1, 1}, {2, 2}, {4, 4}, {5, 4}, {7, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(c.level, ZoomLevel(c.fontSize)) << "font size " << c.fontSize;
}
} // namespace
