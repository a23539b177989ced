// computer_round.cpp: the round against the computer: its option, its level, its player.
#include "shell/computer_round.h"
#include "hud/hud.h"
#include "input/controls.h"
#include "input/key_names.h"
#include "input/keys.h"
#include "shell/view_layout.h"

#include <ctime>

namespace {

// --- Set by the option, before the window ---
bool preselected;

// --- Process lifetime ---
ComputerLevel level = ComputerLevel::Normal;
bool computerRound;       // the round started or starting is against the computer
ComputerPlayer *computer; // the running round's computer player, or null
unsigned roundsStarted;   // feeds each round's seed
const unsigned startSeed = static_cast<unsigned>(std::time(nullptr)); // a new game every run

} // namespace

bool takeComputerOption(const char *text, std::string &error) {
    if (text && !parseComputerLevel(text, level)) {
        error = std::string("unknown level '") + text + "' (easy, normal or hard)";
        return false;
    }
    preselected = computerRound = true;
    return true;
}

bool computerPreselected() {
    return preselected;
}

ComputerLevel chosenComputerLevel() {
    return level;
}

void chooseComputerLevel(ComputerLevel chosen) {
    level = chosen;
}

void chooseRoundKind(bool againstIt) {
    computerRound = againstIt;
}

bool againstComputer() {
    return computerRound;
}

void beginRound() {
    endComputerRound();
    if (!computerRound) {
        setPlayedCow(0);
        setSplitView();
        setControlsExtraLine("");
        return;
    }
    setPlayedCow(PersonCow);
    setOneView(PersonCow);
    setControlsExtraLine(("SWITCH VIEW: " + keyLabel(VK_View)).c_str());
    computer = startComputer(ComputerCow, level, startSeed + 7919 * roundsStarted++);
}

void endComputerRound() {
    stopComputer(computer);
    computer = nullptr;
    releaseKeysFrom(ComputerSource);
}

void holdComputerKeys() {
    if (!computer)
        return;
    for (int a = 0; a < ActionCount; a++)
        setKeyFrom(KeyboardSource, actionCode(ComputerCow - 1, static_cast<Action>(a)), false);
    computerHoldKeys(computer);
}
