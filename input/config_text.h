// config_text.h: the line format the player's files share (controls.conf, settings.conf):
// "name = value" lines, '#' starting a comment, blank lines allowed.
#pragma once

#include <string>

// What one line of such a file holds.
enum class ConfigLineKind { Blank, NoEquals, Setting };
// Split one line (without its line feed) into its trimmed name and value: Blank for a blank or
// comment line, NoEquals for text without '=', else Setting.
ConfigLineKind splitConfigLine(const std::string &line, std::string &name, std::string &value);
// `text` without blanks at either end.
std::string trimmed(const std::string &text);
// Text from a file as a message quotes it: at most 32 characters, control bytes as '?'.
std::string quoted(const std::string &text);
// A whole number 0..most written in decimal digits only, or -1.
long long wholeNumber(const std::string &text, long long most);
