// panel_choice.cpp: the choice of a half's panel and the key labels of the controls screen
// (no drawing here).
#include "hud/panels.h"
#include "rules/cow.h"
#include "input/keys.h"

#include <cstdio>

char ControlLabels[ControlLineCount][ControlLabelSize];

namespace {

// One label: shown on `line` when the cow's key for it has virtual-key code `code`.
struct KeyLabel {
    ControlLine line;
    int code;
    const char *text;
};

const KeyLabel KeyLabels[] = {
    {UpLine, VK_Up, "UP: UP"},
    {UpLine, 'W', "UP: 'W'"},
    {DownLine, VK_Down, "DOWN: DOWN"},
    {DownLine, 'S', "DOWN: 'S'"},
    {LeftLine, VK_Left, "LEFT: LEFT"},
    {LeftLine, 'A', "LEFT: 'A'"},
    {RightLine, VK_Right, "RIGHT: RIGHT"},
    {RightLine, 'D', "RIGHT: 'D'"},
    {JumpLine, VK_RShift, "JUMP: RSHIFT"},
    {JumpLine, VK_Insert, "JUMP: INSERT"},
    {JumpLine, VK_LShift, "JUMP: LSHIFT"},
    {JumpLine, 'T', "JUMP: 'T'"},
    {AttackLine, VK_RControl, "ATTACK: RCTRL"},
    {AttackLine, VK_Delete, "ATTACK: DELETE"},
    {AttackLine, VK_LControl, "ATTACK: LCTRL"},
    {AttackLine, 'F', "ATTACK: 'F'"},
};

} // namespace

HudPanel chooseHudPanel(int introPasses, bool controlsHeld, bool won, bool rivalWon) {
    if (introPasses < HudIntroPasses)
        return HudPanel::Introduction;
    if (controlsHeld)
        return HudPanel::Controls;
    if (won)
        return HudPanel::WinBanner;
    if (rivalWon)
        return HudPanel::LoseBanner;
    return HudPanel::Play;
}

void fillControlLabels(const Cow *cow) {
    const int keys[ControlLineCount] = {cow->keyUp,    cow->keyDown, cow->keyLeft,
                                        cow->keyRight, cow->keyJump, cow->keyButt};
    for (const KeyLabel &label : KeyLabels)
        if (keys[label.line] == label.code)
            std::snprintf(ControlLabels[label.line], ControlLabelSize, "%s", label.text);
}

const char *controlsHint(const Cow *cow) {
    return cow->kind == '1' ? "Hit F12 for controls during game"
                            : "Hit F1 for controls during game";
}
