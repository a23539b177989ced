// settings.h: the player's settings, settings.conf beside controls.conf: lines "name = value"
// ('#' comments), written back by the game whenever a setting changes in play.
#pragma once

#include <string>
#include <vector>

// One line the file can hold: its name, how a value from the file is taken (false with `reason`
// set when it is refused: the setting keeps its value) and the value in force as the file
// writes it. A new setting is one more row of the table in settings.cpp.
struct Setting {
    const char *name;
    bool (*take)(const std::string &value, std::string &reason);
    std::string (*current)();
};

// A line of the file that was refused, and why.
struct SettingsProblem {
    int line;
    std::string reason;
};

// Take the settings `text` gives. Refused: a line without '=', an unknown name, a value the
// setting does not take, a setting given a second time.
void readSettings(const std::string &text, std::vector<SettingsProblem> &problems);
// The file `text` with the values in force: the first line of each setting rewritten (a comment
// on it kept), a later one dropped, a missing one added at the end; every other line (comments,
// names this version does not know) stays as it was.
std::string updatedSettings(const std::string &text);

std::string settingsFilePath(); // where settings.conf is looked for ("" when nowhere)
// Read settings.conf, if there is one; each refused line is one line on standard error,
// "settings.conf, line N: why", and keeps its setting's default. A file that is not a regular
// file or is over 64 KiB is one line on standard error, and the defaults hold.
void loadSettingsFile();
// Write the settings in force into settings.conf, replacing it in one step. False after one
// line on standard error when it cannot be written (the game plays on).
bool saveSettingsFile();
