#pragma once
#include <windows.h>

// The flags of a result box: the requested style, made task-modal unless it is system-modal.
UINT InformationBoxFlags(UINT requestedStyle);

// The result box of an action: no owner, information icon, OK, task-modal.
void ShowInformationBox(const char* text, const char* caption);
