// screen_flow.h: splash, title and play screens, and the keys that move between them.
#pragma once

// --- Process lifetime ---
extern bool showSplash;    // the splash image is the current screen
extern bool showTitle;     // the title screen (overhead map) is current
extern bool playing;       // the play screen is current
extern bool spaceReleased; // SPACE seen up on the title screen; never cleared
extern bool screenChanged; // the screen to show changed since it was last drawn

constexpr int VK_N = 'N'; // the new-game key

void splashKeys(); // on the splash screen: SPACE shows the title
// On the title screen: SPACE (after a release) starts play, C a round against the computer,
// 1 2 3 choose its level (shell/title_menu.h).
void titleKeys();
// The title gives way to play: the round chosen begins (computer_round.h), the intro music stops,
// the round's sounds start.
void startPlay();
// N: rebuild the world from the map and show the title (again on every frame it is held);
// a refused map is tried once per press.
void pollNewGameKey();
void pollQuitKey(); // ESC: end the process with status 1

// Frame-rate line: count one drawn frame at `nowMs`; prints "%5.1f fps (%i)\n" about once a
// second.
void countFrame(int nowMs);

// The game tick: the rules and the screens' keys advance once per 51 ms of elapsed time. When
// drawing falls behind, the ticks missed run before the next drawn frame, at most 5 in a row.
constexpr int TickMs = 51;
constexpr int MaxTicksInARow = 5;
// True when a tick is due at `nowMs` (more than 50 ms after the last one was due); otherwise
// *waitMs says how long to sleep until one is. The first call only starts the clock.
bool tickDue(int nowMs, int *waitMs);
// Take the ticks due at `nowMs`, no more than `most`: one per 51 ms since the last one taken was
// due, at most 5 (a longer lag is forgotten, so a stalled machine does not spiral).
int takeDueTicks(int nowMs, int most);
// Milliseconds since the last tick taken was due (0 before the clock starts).
int msSinceLastTick(int nowMs);
// Forget the tick and frame-rate clocks (tests).
void resetFrameClocks();
