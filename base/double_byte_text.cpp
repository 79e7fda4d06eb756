#include "base/double_byte_text.h"

const char* FindLastBackslash(const char* text) {
    const char* last = nullptr;
    for (const char* p = text; *p != '\0'; ++p) {
        if (static_cast<unsigned char>(*p) & 0x80) {
            if (p[1] == '\0')
                break; // a lone lead byte at the end: there is nothing after it
            ++p;
        } else if (*p == '\\') {
            last = p;
        }
    }
    return last;
}
