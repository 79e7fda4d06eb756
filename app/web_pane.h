#pragma once
#include "app/control_place.h"

// The web pane across the top of the main window: a host window of its own class that holds the
// WebBrowser control and starts loading the maker's page when it is created. Fails, leaving
// nothing behind, when the control or its IWebBrowser2 cannot be had.
HWND CreateWebPane(const ControlCreation& creation);

// The control's text-size level (0 smallest .. 4 largest) for a font size setting.
int ZoomLevel(int fontSize);
