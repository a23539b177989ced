// title_menu.cpp: the title screen's keys and the lines that name them.
#include "shell/title_menu.h"
#include "hud/hud.h"
#include "input/keys.h"
#include "shell/computer_round.h"
#include "shell/game.h"
#include "shell/net_round.h"
#include "shell/screen_flow.h"

#include <cctype>
#include <string>

namespace {

constexpr ComputerLevel Levels[] = {ComputerLevel::Easy, ComputerLevel::Normal,
                                    ComputerLevel::Hard};

std::string upperCase(const char *text) {
    std::string upper;
    for (const char *c = text; *c; c++)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    return upper;
}

} // namespace

bool titleStartKeys(bool *againstIt) {
    for (int i = 0; i < 3; i++)
        if (isKeyDown(LevelKeys[i]) && chosenComputerLevel() != Levels[i]) {
            chooseComputerLevel(Levels[i]);
            screenChanged = true;
        }
    if (!isKeyDown(VK_Space))
        spaceReleased = true;
    if (isKeyDown(VK_Space) && spaceReleased) {
        *againstIt = computerPreselected();
        return true;
    }
    if (isKeyDown(VK_Computer)) {
        *againstIt = true;
        return true;
    }
    return false;
}

void drawTitleMenu() {
    if (netGame())
        return drawNetTitle();
    const char *first = computerPreselected()
                            ? "SPACE OR C: ONE PLAYER AGAINST THE COMPUTER"
                            : "SPACE: TWO PLAYERS      C: ONE PLAYER AGAINST THE COMPUTER";
    std::string second = "COMPUTER: " + upperCase(computerLevelName(chosenComputerLevel())) +
                         "      1: EASY   2: NORMAL   3: HARD";
    drawTitleLines(first, second.c_str(), windowWidth, windowHeight);
}
