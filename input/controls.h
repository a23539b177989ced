// controls.h: each player's actions, the keys bound to them, and the controls file that rebinds
// them. The rules know every action by one code (its default key); a bound key, or a gamepad,
// puts that code into the key table, so the rules, scripts and demos never see the difference.
#pragma once

#include <string>
#include <vector>

enum class Action { Up, Down, Left, Right, Jump, Butt, Controls };
constexpr int ActionCount = 7;
constexpr int PlayerCount = 2; // player 0 drives cow 1, player 1 cow 2

// The action's name in the controls file: "up", "down", "left", "right", "jump", "butt",
// "controls".
const char *actionName(Action action);
// The code the rules know `player`'s action by: cow 1 the arrows, Insert, Delete and F12;
// cow 2 W, S, A, D, T, F and F1.
int actionCode(int player, Action action);

// The keys bound to each action; the first is the one the controls screen names.
struct Controls {
    std::vector<int> keys[PlayerCount][ActionCount];
};
// The keys out of the box: each action's own code, and for cow 1 Right Shift and Right Ctrl as
// well, for jump and head-butt on keyboards without Insert and Delete.
Controls defaultControls();

// A line of the controls file that was refused, and why; its binding keeps its default.
struct ControlsProblem {
    int line;
    std::string reason;
};
// The controls a controls file gives: lines "cowN.ACTION = KEY [KEY ...]", '#' comments and
// blank lines; actions the file does not name keep their defaults (an extra default key yields
// to a line that binds it elsewhere). Refused: bad lines, unknown actions or keys, the keys of
// the whole game (Space, N, Escape, F11, the camera's U O I K J L, P, M, '-', '=', F2), a key
// that two actions would share.
Controls readControls(const std::string &text, std::vector<ControlsProblem> &problems);
// The controls as a controls file that binds exactly them.
std::string writeControls(const Controls &controls);

// --- Process lifetime: the controls in force, the defaults until set ---
void setControls(const Controls &controls);
const Controls &currentControls();
// The code the key table gets when the physical key `code` goes down: the action's code for a
// bound key, 0 for an action's own code that is bound no more, else the key itself.
int gameKeyOf(int code);
// The physical keys whose press puts `code` into the key table.
std::vector<int> physicalKeysOf(int code);
// The key the controls screen names for `code`: the first key bound to the action of that code;
// `code` itself when no action has it.
int shownKeyOf(int code);
