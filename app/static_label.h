#pragma once
#include "app/control_place.h"

// How a self-painting label draws its text.
struct LabelStyle {
    COLORREF textColour;
    UINT drawFlags; // DrawTextA flags
};

extern const LabelStyle kSingleLineBlackLabel; // AddressLabel
extern const LabelStyle kSingleLineRedLabel;   // NoRestartLabel
extern const LabelStyle kWrappedRedLabel;      // UsageLabel

HWND CreateStaticLabel(const ControlCreation& creation, const char* text, const LabelStyle* style);
