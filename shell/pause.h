// pause.h: pausing a round on this machine: P or a gamepad's Start, or the window losing the
// keyboard focus. While paused no tick runs (nothing reaches a demo), the picture stays with
// "PAUSED" over it, the sounds hold where they are, and the tick clock does not catch up.
#pragma once

constexpr int VK_Pause = 'P';

// --- Process lifetime ---
// Set by a round that must not pause (a network round): P and the focus do nothing then.
extern bool pauseRefused;
bool gamePaused();
bool roundRuns(); // the play screen is current and not paused: its ticks run

// The one way into and out of a pause. Pausing needs a round in play, no demo playing and
// pauseRefused unset. Sounds pause and resume with it; the screen is drawn again. False when
// nothing changed.
bool setGamePaused(bool paused);
// Once per tick on every screen (not while a demo plays): P or a pad's Start, pressed during
// play, pauses the round or plays on; the window losing the focus pauses it. A round left
// while paused (N) is paused no more.
void pollPauseKeys();
void drawPauseOverlay(); // while paused: the banner over each view of the play screen
