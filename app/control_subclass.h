#pragma once
#include <windows.h>
#include <olectl.h> // OCM__BASE: the platform's reflected notification messages

// Notifications and colour requests that a child control sends its parent are handed back to the
// child as the reflected message OCM__BASE + message, so a control behaves the same whichever
// window is its parent. Returns true, with the answer in `result`, when the child handled it.
bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Gives a standard control ("EDIT", "BUTTON") a procedure of ours in front of its own; the
// original is kept with the window and restored when the window goes.
bool SubclassControl(HWND control, WNDPROC procedure);
LRESULT CallOriginalProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
