#pragma once
#include "app/main_window_state.h"

// Builds and shows the main window with all of its controls. On failure nothing is left of it.
bool BuildMainWindow(MainWindowState* state);
