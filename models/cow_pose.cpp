// cow_pose.cpp: the pose a cow is drawn at, and the blend between two ticks' poses.
#include "models/cow_pose.h"
#include "rules/cow.h"

namespace {

constexpr float KnockedOverDegrees = 90;
constexpr float FullTurnDegrees = 360;

// --- Set for the frame being drawn, null otherwise ---
const Cow *posedCows[2];
CowPose posed[2];

// `to` less a (1 - fraction) share of the way from `from`, so fraction 1 gives `to` exactly.
float blend(float from, float to, float fraction) {
    return to - (to - from) * (1 - fraction);
}

} // namespace

CowPose rulesPose(const Cow *cow) {
    return {cow->x, cow->y, cow->z, static_cast<float>(cow->facing),
            cow->stunned ? KnockedOverDegrees : 0.0f};
}

CowPose drawnPose(const Cow *cow) {
    for (int i = 0; i < 2; i++)
        if (posedCows[i] == cow)
            return posed[i];
    return rulesPose(cow);
}

void drawCowsAt(const CowPose &first, const CowPose &second) {
    posedCows[0] = cow1;
    posedCows[1] = cow2;
    posed[0] = first;
    posed[1] = second;
}

void clearDrawnPoses() {
    posedCows[0] = posedCows[1] = nullptr;
}

float blendDegrees(float from, float to, float fraction) {
    float turn = to - from; // the short way round
    while (turn > FullTurnDegrees / 2)
        turn -= FullTurnDegrees;
    while (turn < -FullTurnDegrees / 2)
        turn += FullTurnDegrees;
    return to - turn * (1 - fraction);
}

CowPose blendPoses(const CowPose &from, const CowPose &to, float fraction) {
    return {blend(from.x, to.x, fraction), blend(from.y, to.y, fraction),
            blend(from.z, to.z, fraction), blendDegrees(from.facing, to.facing, fraction),
            blend(from.tiltDegrees, to.tiltDegrees, fraction)};
}
