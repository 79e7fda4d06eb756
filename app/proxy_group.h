#pragma once
#include "app/control_place.h"

// The group box that holds the proxy controls: black caption on the button face colour, its own
// background, and the hand-back of its children's notifications and colour requests.
HWND CreateProxyGroup(const ControlCreation& creation, const char* caption);
