// screen_flow.h: splash, title and play screens, and the keys that move between them.
#pragma once

// --- Process lifetime ---
extern bool showSplash;    // the splash image is the current screen
extern bool showTitle;     // the title screen (overhead map) is current
extern bool playing;       // the play screen is current
extern bool spaceReleased; // SPACE seen up on the title screen; never cleared

constexpr int VK_N = 'N'; // the new-game key

void splashKeys(); // on the splash screen: SPACE shows the title
void titleKeys();  // on the title screen: SPACE (after a release) starts play
// N: rebuild the world from the map and show the title (again on every frame it is held);
// a refused map is tried once per press.
void pollNewGameKey();
void pollQuitKey(); // ESC: end the process with status 1

// Frame-rate line: count one displayed frame at `nowMs`; prints "%5.1f fps (%i)\n" about
// once a second.
void countFrame(int nowMs);
// Pacing: true when a redisplay is due at `nowMs` (more than 50 ms since the last one);
// otherwise *waitMs says how long to sleep until it is.
bool redisplayDue(int nowMs, int *waitMs);
// Forget the pacing and frame-rate clocks (tests).
void resetFrameClocks();
