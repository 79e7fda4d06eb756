#pragma once
#include <cstddef>

enum LinkKind { kMailLink = 0, kWebLink = 1 };

// Where a link leads: an e-mail address or a bare web address.
struct LinkTarget {
    LinkKind kind;
    const char* webAddress;
    const char* mailAddress;
};

// Opens the target with the shell, or, when the shell cannot, with the program registered for
// ".htm" pages. Returns 1 when something was started, else 0. An empty target starts nothing.
int OpenLinkTarget(const LinkTarget& link, int show);

// The size of the buffer the fallback command line is built in.
const size_t kCommandLineSize = 512;

// The fallback command line: the command template cut before its first quoted "%1" (else before
// its first bare %1, else whole), one space, and the target. False when it does not fit in
// `size` bytes: then nothing may be started.
bool BuildFallbackCommand(const char* commandTemplate, const char* target, char* commandLine,
                          size_t size);
