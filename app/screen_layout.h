#pragma once

// The origin that centres a window of `windowExtent` on a screen of `screenExtent` pixels. The
// division truncates toward zero, so a window larger than the screen gets a negative origin.
int CentredOrigin(int screenExtent, int windowExtent);
