#include "base/process_end.h"

namespace {
// OLE, the icons and the WinINet library: three, with room to spare.
const int kMostReleases = 8;
ProcessRelease releases[kMostReleases] = {};
int releaseCount = 0;
} // namespace

void ReleaseAtProcessEnd(ProcessRelease release) {
    if (releaseCount < kMostReleases)
        releases[releaseCount++] = release;
}

void ReleaseProcessResources() {
    while (releaseCount > 0)
        releases[--releaseCount]();
}
