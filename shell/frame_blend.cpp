// frame_blend.cpp: the pictures between the ticks: what the last two ticks left for drawing,
// the blend between them, and the picture rate (swap interval or a cap).
#include "shell/frame_blend.h"
#include "hud/hud.h"
#include "models/cow_pose.h"
#include "models/draw_passes.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "shell/pause.h"
#include "shell/screen_flow.h"
#include "world/grids.h"

#include <GL/glx.h>
#include <chrono>
#include <cmath>
#include <cstring>

namespace {

constexpr float TeleportCells = 2; // a cow moved farther in one tick is drawn where it landed
constexpr int CappedPicturesPerSecond = 120;     // without a swap interval from the driver
constexpr int SwapSafetyPicturesPerSecond = 250; // with one, should the driver not honour it

// What a tick frame draws from, taken just before a tick.
struct TickSnapshot {
    const Cow *cows[2];
    CowPose poses[2];     // the rules' cows before the tick
    CameraSetting camera; // before the tick's camera keys
    float spin, itemSpin; // before the tick's spin
    int hudIntro;         // before the tick's introduction pass
};

// --- Process lifetime ---
bool classicPace;
bool haveLatest, havePrevious; // snapshots taken since play last started
TickSnapshot latest, previous; // before the last tick, before the one before it
using Clock = std::chrono::steady_clock;
Clock::time_point lastPicture;
bool pictureShown;
int picturesPerSecondCap = CappedPicturesPerSecond;
double heldShare = 1; // the share of the tick the last picture in play was drawn at

TickSnapshot takeSnapshot() {
    return {{cow1, cow2},           {rulesPose(cow1), rulesPose(cow2)},
            currentCameraSetting(), spinAngle,
            itemSpinAngle,          hudIntroCounter};
}

double blendValue(double from, double to, double fraction) {
    return to - (to - from) * (1 - fraction);
}

float blendAngle(float from, float to, double fraction) {
    return blendDegrees(from, to, static_cast<float>(fraction));
}

// The pose of cow `i` between the last tick's start and now.
CowPose blendedPose(int i, const Cow *cow, float fraction) {
    const CowPose now = rulesPose(cow);
    if (!haveLatest || latest.cows[i] != cow)
        return now;
    const CowPose &before = latest.poses[i];
    if (std::fabs(now.x - before.x) > TeleportCells || std::fabs(now.y - before.y) > TeleportCells)
        return now;
    return blendPoses(before, now, fraction);
}

// The swap interval extension's entry point, if the driver lists it.
void setSwapInterval() {
    Display *display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return;
    const char *extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions)
        return;
    auto offered = [extensions](const char *name) { return std::strstr(extensions, name); };
    if (offered("GLX_EXT_swap_control")) {
        using SwapIntervalExt = void (*)(Display *, GLXDrawable, int);
        auto set = reinterpret_cast<SwapIntervalExt>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte *>("glXSwapIntervalEXT")));
        if (set) {
            set(display, drawable, 1);
            picturesPerSecondCap = SwapSafetyPicturesPerSecond;
        }
    } else if (offered("GLX_MESA_swap_control")) {
        using SwapIntervalMesa = int (*)(unsigned);
        auto set = reinterpret_cast<SwapIntervalMesa>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte *>("glXSwapIntervalMESA")));
        if (set && set(1) == 0)
            picturesPerSecondCap = SwapSafetyPicturesPerSecond;
    }
}

} // namespace

void chooseClassicPace() {
    classicPace = true;
}

bool takeClassicPaceOption(const char *, std::string &) {
    chooseClassicPace();
    return true;
}

bool smoothPace() {
    return !classicPace;
}

void playTickBetweenPictures() {
    previous = latest;
    havePrevious = haveLatest;
    latest = takeSnapshot();
    haveLatest = true;
    playTickUndrawn();
}

void drawBetweenTicks(double fraction) {
    fraction = fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
    const float f = static_cast<float>(fraction);
    drawCowsAt(blendedPose(0, cow1, f), blendedPose(1, cow2, f));
    // the camera, the spin and the introduction as a classic frame of the last tick drew them:
    // as they stood before that tick advanced them
    const TickSnapshot &from = havePrevious ? previous : latest;
    CameraSetting camera = haveLatest ? latest.camera : currentCameraSetting();
    const float spin = spinAngle, itemSpin = itemSpinAngle;
    const int hudIntro = hudIntroCounter;
    if (haveLatest) {
        camera.distance = blendValue(from.camera.distance, latest.camera.distance, fraction);
        camera.yawDegrees = blendAngle(static_cast<float>(from.camera.yawDegrees),
                                       static_cast<float>(latest.camera.yawDegrees), fraction);
        camera.pitchDegrees = blendAngle(static_cast<float>(from.camera.pitchDegrees),
                                         static_cast<float>(latest.camera.pitchDegrees), fraction);
        spinAngle = blendAngle(from.spin, latest.spin, fraction);
        itemSpinAngle = blendAngle(from.itemSpin, latest.itemSpin, fraction);
        hudIntroCounter = latest.hudIntro;
    }
    drawCameraAt(&camera);
    drawHalves(true); // advances the intro and the spin as a tick frame does; put back below
    drawCameraAt(nullptr);
    clearDrawnPoses();
    spinAngle = spin;
    itemSpinAngle = itemSpin;
    hudIntroCounter = hudIntro;
}

double shareOfTick(int nowMs) {
    if (roundRuns())
        heldShare = static_cast<double>(msSinceLastTick(nowMs)) / TickMs;
    return heldShare;
}

void forgetTicks() {
    haveLatest = havePrevious = false;
}

void startPicturePacing() {
    if (smoothPace())
        setSwapInterval();
}

long pictureWaitMicroseconds(bool unpaced) {
    if (unpaced || !pictureShown)
        return 0;
    const auto since =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - lastPicture).count();
    const long interval = 1000000L / picturesPerSecondCap;
    return since >= interval ? 0 : interval - static_cast<long>(since);
}

void pictureDrawn() {
    lastPicture = Clock::now();
    pictureShown = true;
}
