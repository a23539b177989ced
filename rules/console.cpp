// console.cpp: the rules' console text.
#include "rules/console.h"

#include <cstdio>

void (*consoleHook)(const char *text);
bool consoleEcho = true;

void consoleWrite(const char *text) {
    if (consoleHook)
        consoleHook(text);
    if (consoleEcho)
        std::fputs(text, stdout);
}
