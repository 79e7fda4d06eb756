#pragma once

// The current user's WinINet proxy values, as item paths under HKEY_CURRENT_USER: key path and
// value name joined by a backslash.
#define IEPROXY_INTERNET_SETTINGS_PATH                                                             \
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"
const char kProxyEnableItem[] = IEPROXY_INTERNET_SETTINGS_PATH "\\ProxyEnable";
const char kProxyServerItem[] = IEPROXY_INTERNET_SETTINGS_PATH "\\ProxyServer";
