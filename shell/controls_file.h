// controls_file.h: the player's controls file, $XDG_CONFIG_HOME/pasturon/controls.conf
// (~/.config/pasturon/controls.conf when XDG_CONFIG_HOME is not set; none without either).
#pragma once

#include <string>

// Where the controls file is looked for ("" when there is nowhere to look).
std::string controlsFilePath();
// Read the controls file, if there is one, and put its controls in force; each refused line is
// one line on standard error, "controls.conf, line N: <reason>", and keeps its default. A file
// that is missing leaves the defaults; one that is not a regular file or is over 64 KiB is one
// line on standard error and leaves them too.
void loadControlsFile();
