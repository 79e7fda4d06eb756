#pragma once
#include <windows.h>

// What the two buttons do: switch the current user's proxy on with the text of the address box,
// or off, tell WinINet, and report the result in an information box.
void OnSetProxyClicked(HWND addressEdit);
void OnClearProxyClicked();

// The actions themselves; each returns 1 when every value was written and WinINet took the
// change, else 0. An absent server is taken as "".
int SetProxy(const char* server);
int ClearProxy();
