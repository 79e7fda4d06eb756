#pragma once

// What the process gives back at its end, normal or fatal. Each part that takes something for
// the whole process (OLE, the window icons, the WinINet library) registers its release when it
// takes it; the end runs the releases once, the last taken first.
using ProcessRelease = void (*)();
void ReleaseAtProcessEnd(ProcessRelease release);
void ReleaseProcessResources();
