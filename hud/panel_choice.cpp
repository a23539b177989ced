// panel_choice.cpp: the choice of a half's panel and the key labels of the controls screen
// (no drawing here).
#include "hud/panels.h"
#include "rules/cow.h"
#include "input/controls.h"
#include "input/key_names.h"

#include <cstdio>
#include <string>

char ControlLabels[ControlLineCount][ControlLabelSize];

namespace {

// The words of each line of the controls screen.
constexpr const char *LineWords[ControlLineCount] = {"UP",    "DOWN", "LEFT",
                                                     "RIGHT", "JUMP", "ATTACK"};

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
    for (int line = 0; line < ControlLineCount; line++)
        std::snprintf(ControlLabels[line], ControlLabelSize, "%s: %s", LineWords[line],
                      keyLabel(shownKeyOf(keys[line])).c_str());
}

const char *controlsHint(const Cow *cow) {
    static std::string hint; // process lifetime: the text of the last call
    hint = "Hit " + keyLabel(shownKeyOf(cow->keyControls)) + " for controls during game";
    return hint.c_str();
}
