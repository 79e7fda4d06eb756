#pragma once
#include "app/control_place.h"

// The address box: a one-line EDIT, black on white whatever the colour scheme, no length limit.
HWND CreateAddressEdit(const ControlCreation& creation);
