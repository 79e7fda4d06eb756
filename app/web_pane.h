#pragma once
#include "app/control_place.h"

// The web pane across the top of the main window: a host window of its own class that holds the
// WebBrowser control.
HWND CreateWebPane(const ControlCreation& creation);
