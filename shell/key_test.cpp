// key_test.cpp: the key test screen's keys and what it lists.
#include "shell/key_test.h"
#include "hud/overlays.h"
#include "input/controls.h"
#include "input/key_names.h"
#include "input/keys.h"
#include "rules/cow.h"
#include "shell/demo.h"
#include "shell/game.h"
#include "shell/key_map.h"
#include "shell/pause.h"
#include "shell/screen_flow.h"
#include "shell/volume.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int VK_KeyTest = VK_F2;
constexpr int ExitBadOption = 2;
constexpr int ExitLeft = 0; // --key-test left with ESC or F2

// The game's own keys, listed in a column of their own (ESC and F2 leave the screen).
constexpr int GameKeys[] = {VK_Space, 'N', VK_Pause, VK_Mute, VK_Minus, VK_Equals,
                            'U',      'O', 'I',      'K',     'J',      'L'};

// --- Process lifetime ---
bool askedAtStart; // --key-test
bool shown;
bool leaving;                          // left: the keys stay taken until ESC and F2 are up
bool keyTestKeyWasDown;                // F2 at the last poll
std::vector<KeyTestColumn> lastListed; // what the screen shows

std::string upperCase(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The held keys of cow `player`: each keyboard key bound to one of its actions, and its pad.
KeyTestColumn cowColumn(int player) {
    const Cow *cow = player == 0 ? cow1 : cow2;
    KeyTestColumn column{
        "COW " + std::to_string(player + 1) + (cow ? " " + upperCase(cow->name) : ""), {}};
    const KeySource pad = player == 0 ? Pad1Source : Pad2Source;
    for (int a = 0; a < ActionCount; a++) {
        const Action action = static_cast<Action>(a);
        const std::string name = upperCase(actionName(action)) + ": ";
        for (int key : currentControls().keys[player][a])
            if (keyHeldOnKeyboard(key))
                column.lines.push_back(name + bindableKeyName(key));
        if (keyHolders(actionCode(player, action)) & pad)
            column.lines.push_back(name + "PAD");
    }
    return column;
}

KeyTestColumn gameColumn() {
    KeyTestColumn column{"GAME KEYS", {}};
    for (int key : GameKeys)
        if (keyHeldOnKeyboard(key))
            column.lines.push_back(bindableKeyName(key));
    if (keyHolders(VK_Space) & (Pad1Source | Pad2Source))
        column.lines.push_back("START: PAD");
    return column;
}

// List the keys held now; true when the list changed.
bool relist() {
    std::vector<KeyTestColumn> listed = {cowColumn(1), gameColumn(), cowColumn(0)};
    bool changed = listed.size() != lastListed.size();
    for (size_t i = 0; !changed && i < listed.size(); i++)
        changed =
            listed[i].lines != lastListed[i].lines || listed[i].heading != lastListed[i].heading;
    lastListed = listed;
    return changed;
}

// The key test becomes the screen, with its columns from the first picture on.
void open() {
    showSplash = showTitle = false;
    shown = true;
    screenChanged = true;
    relist();
}

void leave() {
    if (askedAtStart) {
        std::fflush(stdout);
        std::exit(ExitLeft);
    }
    shown = false;
    leaving = true;
    showTitle = true;
    screenChanged = true;
}

} // namespace

bool takeKeyTestOption(const char *, std::string &) {
    askedAtStart = true;
    return true;
}

void startKeyTest() {
    if (!askedAtStart)
        return;
    if (demoPlaying()) {
        std::fprintf(stderr, "pasturon: --key-test cannot be used with --play\n");
        std::exit(ExitBadOption);
    }
    open();
    keyTestKeyWasDown = true; // F2 is no key to leave with until it is pressed
}

bool keyTestShown() {
    return shown;
}

bool keyTestKeys() {
    const bool keyTestKey = isKeyDown(VK_KeyTest);
    const bool pressed = keyTestKey && !keyTestKeyWasDown;
    keyTestKeyWasDown = keyTestKey;
    if (leaving) {
        leaving = isKeyDown(VK_Escape) || keyTestKey;
        return leaving;
    }
    if (!shown) {
        if (!pressed || !showTitle)
            return false;
        open();
    } else if (isKeyDown(VK_Escape) || pressed) {
        leave();
    } else if (relist()) {
        screenChanged = true;
    }
    return true;
}

void drawKeyTest() {
    if (!shown)
        return;
    drawKeyTestScreen({0, 0, windowWidth, windowHeight},
                      "HOLD KEYS: THE GAME SEES WHAT IS LISTED. ESC OR F2 LEAVES", lastListed);
}
