#pragma once
#include "app/control_place.h"

// A push button, never a default one. Its click (BN_CLICKED, handed back by its parent) raises
// the button's bound event (bound_events.h).
HWND CreatePushButton(const ControlCreation& creation, const char* text);
