#pragma once
// Reading the program's windows from outside: classes, texts as bytes, places, message boxes.
#include <windows.h>
#include <string>
#include <vector>

// Windows and texts.
std::string ClassOf(HWND window);
std::string TextOf(HWND window); // bytes in the program's code page
RECT RectInParent(HWND window);  // relative to the parent's client area (screen for top-level)
std::vector<HWND> ChildrenTopToBottom(HWND parent);
HWND ChildById(HWND parent, int id);
std::string Hex(const std::string& bytes);

// A message box of the program.
struct MessageBoxView {
    std::string caption;
    std::string text;
};
MessageBoxView ReadMessageBox(HWND box);
void PressOk(HWND box);
