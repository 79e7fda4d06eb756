#include <gtest/gtest.h>
#include <string>
#include "base/process_end.h"

namespace {
std::string given;
void GiveBackOle() {
    given += "ole ";
}
void GiveBackIcons() {
    given += "icons ";
}
void GiveBackWinInet() {
    given += "wininet ";
}

// What the process took is given back once, the last taken first: the WinINet library, the
// icons, then OLE.
TEST(ProcessEnd, GivesBackOnceTheLastTakenFirst) {
    given.clear();
    ReleaseAtProcessEnd(GiveBackOle);
    ReleaseAtProcessEnd(GiveBackIcons);
    ReleaseAtProcessEnd(GiveBackWinInet);
    ReleaseProcessResources();
    EXPECT_EQ("wininet icons ole ", given);
    ReleaseProcessResources(); // the fatal end after a normal one, say: nothing twice
    EXPECT_EQ("wininet icons ole ", given);
}
} // namespace
