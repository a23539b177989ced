// title_menu.h: the title screen's choice: two players, or one against the computer at a level.
#pragma once

constexpr int VK_Computer = 'C'; // starts a round against the computer (a pad's Y holds it too)
constexpr int LevelKeys[] = {'1', '2', '3'}; // easy, normal, hard

// On the title screen, once per tick: 1, 2 and 3 choose the computer's level (the title is drawn
// again); true when a round should start and which (SPACE after its release: two players, or
// the computer after --computer; C: the computer).
bool titleStartKeys(bool *againstComputer);
// The two lines under the farm plan naming the keys and the level chosen.
void drawTitleMenu();
