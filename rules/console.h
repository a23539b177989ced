// console.h: text the rules write to standard output ("SLOW!").
#pragma once

// Write `text` to standard output as it stands (no line end added).
void consoleWrite(const char *text);
// Called with every text written (the replay tool records them).
extern void (*consoleHook)(const char *text);
// False keeps the text off standard output (the replay tool, whose output is its trace).
extern bool consoleEcho;
