#include <gtest/gtest.h>
#include <windows.h>
#include "app/link_target.h"

namespace {
TEST(OpenLinkTarget, AnEmptyTargetOpensNothing) {
    EXPECT_EQ(0, OpenLinkTarget({kWebLink, "", ""}, SW_SHOW));
    EXPECT_EQ(0, OpenLinkTarget({kWebLink, nullptr, "someone@example.com"}, SW_SHOW));
    EXPECT_EQ(0, OpenLinkTarget({kMailLink, "www.example.com", ""}, SW_SHOW));
}
} // namespace
