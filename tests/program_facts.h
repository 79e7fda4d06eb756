#pragma once
// What the program is, as its tests expect it: written from the program's description, not
// taken from its sources, so that a test cannot agree with a mistake in them.
#include <windows.h>
#include "build_config.h"

// The controls' identifiers.
const int kProxyGroupId = 100, kAddressLabelId = 110, kAddressEditId = 120, kSetProxyButtonId = 130,
          kClearProxyButtonId = 140, kNoRestartLabelId = 150, kUsageLabelId = 160,
          kDownloadLinkId = 170, kWebPaneId = 180;

// Window classes: the program's own, and the platform's message box.
const char kMainWindowClass[] = "WTWindow";
const char kLabelClass[] = "IeProxyLabel";
const char kLinkClass[] = "IeProxyLink";
const char kWebPaneClass[] = "IeProxyWebPane";
const char kMessageBoxClass[] = "#32770";

// The main window: its whole size, and its title, "设置IE代理  " + host + " 澄栎科技", spelled
// out byte by byte in code page 936, so that a wrong conversion of the program's texts cannot
// hide behind the compiler.
const int kMainWindowWidth = 613, kMainWindowHeight = 324;
const char kExpectedTitle[] =
    "\xC9\xE8\xD6\xC3IE\xB4\xFA\xC0\xED  " IEPROXY_MAKER_HOST " \xB3\xCE\xE8\xDD\xBF\xC6\xBC\xBC";

// Exit codes: a normal end, and the end after a fatal error (-1).
const DWORD kExitSuccess = 0, kExitFailure = 0xFFFFFFFF;

// The boxes' texts.
const char kSetSucceeded[] = "代理设置成功！"; // text and caption
const char kSetFailed[] = "代理设置失败！";    // text and caption
const char kClearSucceeded[] = "已取消代理！";
const char kClearFailed[] = "取消代理失败！";
const char kClearCaption[] = "取消代理！";
const char kFatalCaption[] = "错误";
const char kStartUpFailed[] = "启动窗口载入失败，程序将退出。";
