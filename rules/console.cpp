// console.cpp: the rules' console text.
#include "rules/console.h"

#include <cstdio>

void (*consoleHook)(const char *text);

void consoleWrite(const char *text) {
    if (consoleHook)
        consoleHook(text);
    std::fputs(text, stdout);
}
