#pragma once
#include "app/main_window_state.h"

// Creates the nine controls (not yet visible), moves those of the group into it, stacks them and
// shows them. Returns false when any control cannot be created.
bool CreateMainWindowControls(MainWindowState* state);
