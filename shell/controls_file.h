// controls_file.h: the player's controls file, $XDG_CONFIG_HOME/pasturon/controls.conf
// (~/.config/pasturon/controls.conf when XDG_CONFIG_HOME is not set).
#pragma once

#include <string>

// Where the controls file is looked for.
std::string controlsFilePath();
// Read the controls file, if there is one, and put its controls in force; each refused line is
// one line on standard error, "controls.conf, line N: <reason>", and keeps its default. A file
// that is missing leaves the defaults.
void loadControlsFile();
