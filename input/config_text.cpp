// config_text.cpp: the "name = value" line format of the player's files.
#include "input/config_text.h"

namespace {
constexpr const char *Blanks = " \t\r\v\f";
constexpr size_t QuotedLength = 32; // characters of the file a message repeats
} // namespace

std::string trimmed(const std::string &text) {
    size_t begin = text.find_first_not_of(Blanks);
    if (begin == std::string::npos)
        return "";
    return text.substr(begin, text.find_last_not_of(Blanks) - begin + 1);
}

std::string quoted(const std::string &text) {
    std::string shown;
    for (char c : text.substr(0, QuotedLength))
        shown += static_cast<unsigned char>(c) < 32 || c == 127 ? '?' : c;
    return "\"" + shown + (text.size() > QuotedLength ? "...\"" : "\"");
}

ConfigLineKind splitConfigLine(const std::string &line, std::string &name, std::string &value) {
    const std::string text = line.substr(0, line.find('#'));
    if (trimmed(text).empty())
        return ConfigLineKind::Blank;
    const size_t equals = text.find('=');
    if (equals == std::string::npos)
        return ConfigLineKind::NoEquals;
    name = trimmed(text.substr(0, equals));
    value = trimmed(text.substr(equals + 1));
    return ConfigLineKind::Setting;
}

long long wholeNumber(const std::string &text, long long most) {
    if (text.empty())
        return -1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        const int digit = c - '0';
        if (value > (most - digit) / 10)
            return -1;
        value = value * 10 + digit;
    }
    return value;
}
