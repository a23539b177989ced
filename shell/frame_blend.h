// frame_blend.h: pictures between the ticks. The rules keep their 51 ms tick; between two ticks
// the play screen is drawn as often as the display allows, with the cows, the camera and the
// items' spin placed between the last two ticks by the share of the tick that has passed.
#pragma once

// --- Set by the options, before the window ---
#include <string>

void chooseClassicPace(); // one picture per tick (demos that take shots or time each frame)
bool takeClassicPaceOption(const char *, std::string &error); // --classic-pace
bool smoothPace(); // pictures between ticks (the default)

// One tick of play in smooth pacing: what the frame code draws from is remembered, then the
// rules' tick and what a drawn tick advances (HUD introduction, item spin, camera keys).
void playTickBetweenPictures();
// Both halves `fraction` (0..1) of the way from the tick before the last to the last one; at 1
// the picture a classic frame of the last tick shows. What a tick changes at once (hay, counters,
// banners, gates) shows as the rules left it.
void drawBetweenTicks(double fraction);
// The share of the tick passed at `nowMs` since the last tick was due; while the round is
// paused, the share it had when the pause began (the picture holds still).
double shareOfTick(int nowMs);
// Play started or ended: nothing to blend from until the next tick.
void forgetTicks();

// After glutCreateWindow: swap with the display's refresh where the driver allows it.
void startPicturePacing();
// Microseconds to wait before the next picture may be drawn (0: draw now); `unpaced` for a
// timedemo, which draws as fast as it can.
long pictureWaitMicroseconds(bool unpaced);
void pictureDrawn(); // a picture was handed to the display
