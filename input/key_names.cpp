// key_names.cpp: key names of the replay script and demo format, both ways.
#include "input/key_names.h"
#include "input/keys.h"

#include <cctype>

namespace {

// Key names of the format, upper case.
struct NamedKey {
    const char *name;
    int code;
};
constexpr NamedKey NamedKeys[] = {
    {"UP", VK_Up},         {"DOWN", VK_Down},     {"LEFT", VK_Left}, {"RIGHT", VK_Right},
    {"INSERT", VK_Insert}, {"DELETE", VK_Delete}, {"F1", VK_F1},     {"F12", VK_F12},
    {"SPACE", VK_Space},   {"ESCAPE", VK_Escape}};

// A run of decimal digits naming a key code 0..255, or -1.
int decimalCode(const std::string &text) {
    if (text.empty())
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
        if (value >= KeyCodeCount)
            return -1;
    }
    return value;
}

} // namespace

int keyCodeOfName(const std::string &name) {
    std::string upper;
    for (char c : name)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const NamedKey &key : NamedKeys)
        if (upper == key.name)
            return key.code;
    if (upper.size() == 1 && upper[0] >= 'A' && upper[0] <= 'Z')
        return upper[0];
    return decimalCode(name);
}

std::string keyNameOf(int code) {
    for (const NamedKey &key : NamedKeys)
        if (key.code == code)
            return key.name;
    if (code >= 'A' && code <= 'Z')
        return std::string(1, static_cast<char>(code));
    return std::to_string(code);
}
