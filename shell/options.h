// options.h: the game's own command-line options ("--name" or "--name VALUE"). GLUT's options
// (one dash: -display, -geometry, ...) are left to glutInit.
#pragma once

#include <string>

// One option: its name without the dashes, the name of its value (null for a flag; in brackets
// when it may be left out), one line of help, and what taking it does (false with `error` set
// when the value is refused; a value left out is null).
struct GameOption {
    const char *name;
    const char *value;
    const char *help;
    bool (*take)(const char *value, std::string &error);
};

extern bool fullscreenAtStart; // --fullscreen

// Take the game's options out of argv (the rest stays in order for glutInit). Writes one line
// to standard error and returns 2 for an unknown option, a missing or refused value; prints the
// help and returns 0 for --help, "pasturon VERSION" for --version, prints the controls and
// returns 0 for --print-controls;
// returns -1 when the game should start.
int takeGameOptions(int &argc, char **argv);
// After glutInit: anything glutInit left is an unknown argument. One line on standard error
// and 2 for the first one, -1 when there is none.
int refuseLeftoverArguments(int argc, char **argv);
