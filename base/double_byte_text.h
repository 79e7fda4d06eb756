#pragma once

// The last backslash of a text in code page 936, or nullptr when it has none. The text is walked
// from the start and a byte with its high bit set is taken together with the byte after it, so
// the trail byte of a double-byte character (it may be 0x5C) never counts as a backslash.
const char* FindLastBackslash(const char* text);
