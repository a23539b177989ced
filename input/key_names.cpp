// key_names.cpp: key names of the replay script and demo format, both ways.
#include "input/key_names.h"
#include "input/config_text.h"
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
    return static_cast<int>(wholeNumber(text, KeyCodeCount - 1));
}

// A key the game can see from the window system: its code, the name the controls file prints,
// its label on the controls screen, and the other names the file takes (X keysym names first).
struct BindableKey {
    int code;
    const char *name;
    const char *label;
    const char *aliases[2];
};
constexpr BindableKey OtherKeys[] = {
    {VK_Up, "Up", "UP", {}},
    {VK_Down, "Down", "DOWN", {}},
    {VK_Left, "Left", "LEFT", {}},
    {VK_Right, "Right", "RIGHT", {}},
    {VK_Insert, "Insert", "INSERT", {}},
    {VK_Delete, "Delete", "DELETE", {}},
    {VK_Space, "Space", "SPACE", {}},
    {VK_Escape, "Escape", "ESCAPE", {}},
    {13, "Return", "RETURN", {"Enter"}},
    {9, "Tab", "TAB", {}},
    {8, "BackSpace", "BACKSPACE", {}},
    {33, "PageUp", "PGUP", {"Prior", "Page_Up"}},
    {34, "PageDown", "PGDN", {"Next", "Page_Down"}},
    {35, "End", "END", {}},
    {36, "Home", "HOME", {}},
    {VK_LShift, "LeftShift", "LSHIFT", {"Shift_L"}},
    {VK_RShift, "RightShift", "RSHIFT", {"Shift_R"}},
    {VK_LControl, "LeftCtrl", "LCTRL", {"Control_L", "LeftControl"}},
    {VK_RControl, "RightCtrl", "RCTRL", {"Control_R", "RightControl"}},
    {VK_LMenu, "LeftAlt", "LALT", {"Alt_L"}},
    {VK_RMenu, "RightAlt", "RALT", {"Alt_R"}},
    {186, "semicolon", "';'", {}},
    {187, "equal", "'='", {}},
    {188, "comma", "','", {}},
    {189, "minus", "'-'", {}},
    {190, "period", "'.'", {}},
    {191, "slash", "'/'", {}},
    {192, "grave", "'`'", {}},
    {219, "bracketleft", "'['", {}},
    {220, "backslash", "'\\'", {}},
    {221, "bracketright", "']'", {}},
    {222, "apostrophe", "'''", {}},
};

std::string upperCase(const std::string &text) {
    std::string upper;
    for (char c : text)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool isLetterOrDigit(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
}

bool isFunctionKey(int code) {
    return code >= VK_F1 && code <= VK_F12;
}

const BindableKey *otherKey(int code) {
    for (const BindableKey &key : OtherKeys)
        if (key.code == code)
            return &key;
    return nullptr;
}

} // namespace

int bindableKeyCode(const std::string &name) {
    const std::string upper = upperCase(name);
    if (upper.size() == 1 && isLetterOrDigit(upper[0]))
        return upper[0];
    for (const BindableKey &key : OtherKeys) {
        if (upper == upperCase(key.name))
            return key.code;
        for (const char *alias : key.aliases)
            if (alias && upper == upperCase(alias))
                return key.code;
    }
    if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F') { // F1 .. F12
        int n = decimalCode(upper.substr(1));
        if (n >= 1 && n <= 12)
            return VK_F1 + n - 1;
    }
    int code = keyCodeOfName(name); // the script's names and decimal codes
    return code >= 0 && (isLetterOrDigit(code) || isFunctionKey(code) || otherKey(code)) ? code
                                                                                         : -1;
}

std::string bindableKeyName(int code) {
    if (isLetterOrDigit(code))
        return std::string(1, static_cast<char>(code));
    if (isFunctionKey(code))
        return "F" + std::to_string(code - VK_F1 + 1);
    if (const BindableKey *key = otherKey(code))
        return key->name;
    return std::to_string(code);
}

std::string keyLabel(int code) {
    if (isLetterOrDigit(code))
        return std::string("'") + static_cast<char>(code) + "'";
    if (isFunctionKey(code))
        return bindableKeyName(code);
    if (const BindableKey *key = otherKey(code))
        return key->label;
    return std::to_string(code);
}

int keyCodeOfName(const std::string &name) {
    const std::string upper = upperCase(name);
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
