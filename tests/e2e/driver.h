#pragma once
// Drives the real program from outside, through the Windows API, as a user's Windows sees it.
#include "e2e/input_and_screen.h"
#include "e2e/process_session.h"
#include "e2e/window_reading.h"
