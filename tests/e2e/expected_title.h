#pragma once
#include "build_config.h"

// The main window's title, "设置IE代理  " + host + " 澄栎科技", spelled out byte by byte in code
// page 936, so that a wrong conversion of the program's texts cannot hide behind the compiler.
const char kExpectedTitle[] =
    "\xC9\xE8\xD6\xC3IE\xB4\xFA\xC0\xED  " IEPROXY_MAKER_HOST " \xB3\xCE\xE8\xDD\xBF\xC6\xBC\xBC";
