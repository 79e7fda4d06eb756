#pragma once
// Input as a user gives it, and what the screen shows.
#include <windows.h>
#include <string>

// Input, as a user gives it, to the foreground window.
void PressKey(WORD key, bool shift = false, bool alt = false);
bool BringToFront(HWND window);
COLORREF ScreenPixel(int x, int y);
// The pixels of a window on the screen: those of the background colour, those of smoothed text
// in `text` (every channel between the two colours), and foreign ones (anything else).
struct PixelCount {
    int background = 0;
    int text = 0;
    int foreign = 0;
};
PixelCount CountPixels(HWND window, COLORREF background, COLORREF text);
// The real pointer of the X display, moved and pressed by xdotool (Wine starts Linux programs),
// as a user's mouse does it: Wine's own notion of the pointer follows the X pointer.
void MoveMouseTo(int x, int y);
void ClickAt(int x, int y, bool twice = false); // the left button
void LeftButton(bool down);
// Saves the whole screen as a BMP file in the build folder (the test script turns it into PNG).
bool SaveScreenshot(const std::string& name);
