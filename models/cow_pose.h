// cow_pose.h: where a cow's model is drawn: its own position, facing and tilt, or a pose the
// frame code placed between two ticks (the rules' cows are never written for it).
#pragma once

struct Cow;

// What the cow models and the chase camera read of a cow.
struct CowPose {
    float x, y, z;     // position, cells (z: base height with the jump)
    float facing;      // degrees about the vertical, 0..360
    float tiltDegrees; // knocked over: 90, standing: 0
};

CowPose rulesPose(const Cow *cow); // the cow as the rules left it
// The pose to draw `cow` with: the one set by drawCowsAt while it is in force, else rulesPose.
CowPose drawnPose(const Cow *cow);
// Draw cow1 and cow2 at these poses until clearDrawnPoses (the frame code, between ticks).
void drawCowsAt(const CowPose &first, const CowPose &second);
void clearDrawnPoses();
// The angle `fraction` (0..1) of the way from `from` to `to` degrees, the short way round; at 1
// exactly `to`.
float blendDegrees(float from, float to, float fraction);
// The pose `fraction` (0..1) of the way from `from` to `to`: facing the short way round; at 1
// exactly `to`.
CowPose blendPoses(const CowPose &from, const CowPose &to, float fraction);
