// config_files.h: the player's own files in $XDG_CONFIG_HOME/pasturon (~/.config/pasturon when
// XDG_CONFIG_HOME is not set; none without either): finding them, reading them with the checks
// every one of them gets, and replacing one in a single step.
#pragma once

#include <string>

// Where the player's file `name` ("controls.conf") is looked for; "" when there is nowhere.
std::string configFilePath(const char *name);
// Read the player's file at `path` whole into `text`. False when there is none, and false after
// one line on standard error, "controls.conf: why; the default controls are used", for one that
// is not a regular file (a fifo would block the start-up) or is over 64 KiB.
bool readConfigFile(const std::string &path, const char *name, std::string &text);
// Replace the file at `path` with `text` so that a crash or a kill at any moment leaves the old
// file or the new one, never a part: a temporary file in the same folder, written, flushed to
// the disk, then renamed over it. The folder is made when missing; a link is followed (the file
// it names is replaced). False with `error` set when the file cannot be written.
bool writeFileAtomically(const std::string &path, const std::string &text, std::string &error);
