#pragma once
#include <windows.h>

// The events of the main window's controls that have a handler, all in one place: a click on
// SetProxyButton calls OnSetProxyClicked with the address box beside it, a click on
// ClearProxyButton calls OnClearProxyClicked. A push button calls this when it is clicked.
void RaiseClick(HWND button);
