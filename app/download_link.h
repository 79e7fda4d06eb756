#pragma once
#include "app/control_place.h"

// The link label of the proxy group: drawn by itself, coloured by the mouse and by the result of
// its last press, which opens the maker's site in the user's browser.
HWND CreateDownloadLink(const ControlCreation& creation, const char* text);
