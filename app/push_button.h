#pragma once
#include "app/control_place.h"

// What a click on a push button calls; it receives the button.
using ClickHandler = void (*)(HWND button);

// A push button, never a default one, whose click (BN_CLICKED, handed back by its parent) calls
// `onClick`.
HWND CreatePushButton(const ControlCreation& creation, const char* text, ClickHandler onClick);
