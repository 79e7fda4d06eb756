#pragma once
#include "app/main_window_state.h"

// The next (or previous) entry of a tab cycle from `current`, wrapping at both ends, skipping the
// entries that cannot take the focus. `current` itself when it is the only one that can; -1 when
// none can.
int StepTabCycle(const bool* canTakeFocus, int count, int current, bool forward);

// The control that takes the focus first: the first of the tab cycle that can take it.
HWND FirstTabStop(const MainWindowState& state);

// Looks at a message before it is translated: Tab and Shift+Tab for the main window or a window
// inside it move the focus through the tab cycle and are consumed (returns true).
bool HandleTabKey(const MainWindowState& state, const MSG& message);
