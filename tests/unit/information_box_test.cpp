#include <gtest/gtest.h>
#include "proxy/information_box.h"

namespace {
TEST(InformationBoxFlags, AddsTaskModalUnlessSystemModal) {
    struct {
        UINT requested;
        UINT flags;
    } cases[] = {
        {MB_OK | MB_ICONINFORMATION, 0x2040},
        {MB_ICONINFORMATION | MB_SYSTEMMODAL, 0x1040},
        {MB_ICONINFORMATION | MB_TASKMODAL, 0x2040},
        {MB_ICONERROR, MB_ICONERROR | MB_TASKMODAL},
        {0, MB_TASKMODAL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.flags, InformationBoxFlags(c.requested)) << "requested " << c.requested;
}
} // namespace
