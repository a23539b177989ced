// camera.cpp: the chase camera shared by both halves, its keys, and the play frame that
// updates both cows and draws the window as two halves (right: cow 1, left: cow 2).
#include "shell/camera.h"
#include "hud/hud.h"
#include "shell/demo.h"
#include "shell/detail.h"
#include "rules/cow.h"
#include "rules/play_tick.h"
#include "shell/computer_round.h"
#include "shell/game.h"
#include "shell/net_round.h"
#include "shell/view_layout.h"
#include "input/keys.h"
#include "models/cow_pose.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <initializer_list>

float fieldOfView;
int cameraDistance;
int cameraYaw;
int cameraPitch;
double cameraTargetHeight;
void (*drawPhaseHook)(DrawPhase finished);

namespace {

constexpr double RadiansPerDegree = 0.0174532925;
constexpr double NearPlane = 1, FarPlane = 1000; // world units
constexpr int HalfGap = 2;                       // pixels of sky between the halves, per side
constexpr int MinCameraDistance = 1;             // world units; at 0 the view degenerates

// The camera keys (letters are their own virtual-key codes).
constexpr int KeyCloser = 'U', KeyFarther = 'O';
constexpr int KeyPitchUp = 'I', KeyPitchDown = 'K';
constexpr int KeyYawUp = 'J', KeyYawDown = 'L';
constexpr int FullTurn = 360; // degrees

// The last view handed to gluLookAt.
ChaseView lastView;
const CameraSetting *drawnCamera; // set between ticks by the frame code, else null

void phaseDone(DrawPhase phase) {
    if (drawPhaseHook)
        drawPhaseHook(phase);
}

// One half of the window for `cow`: projection, viewport, HUD, then the world unless the
// player holds the controls key. `ticked`: the frame carries a tick, so the HUD's introduction
// and the item spin advance as they are drawn.
void drawHalf(Cow *cow, const HalfViewport &viewport, bool ticked) {
    const bool showWorld = !isKeyDown(cow->keyControls);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (showWorld)
        gluPerspective(fieldOfView, viewport.aspect, NearPlane, FarPlane);
    glViewport(viewport.x, 0, viewport.width, windowHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    drawHud(cow, {viewport.whole, static_cast<float>(viewport.aspect)});
    if (ticked)
        advanceHudIntro(cow);
    glEnable(GL_CULL_FACE);
    phaseDone(DrawPhase::Hud);
    if (!showWorld)
        return;
    chaseCamera(cow);
    mirrorWorld();
    cow1->drawHandler(static_cast<int>(cow1->x), static_cast<int>(cow1->y));
    cow2->drawHandler(static_cast<int>(cow2->x), static_cast<int>(cow2->y));
    phaseDone(DrawPhase::Cows);
    drawObjectsBeforeGround(cow);
    drawTerrainPass(cow);
    phaseDone(DrawPhase::Terrain);
    drawObjectPass(cow);
    if (ticked)
        advanceSpinAngles();
    phaseDone(DrawPhase::Objects);
    drawHomeBeacons(cameraDistance);
    glFrontFace(GL_CCW);
    phaseDone(DrawPhase::Beacons);
}

// What drawing the half of `cow` advances, for a tick that does not draw it.
void advanceUndrawnHalf(const Cow *cow) {
    advanceHudIntro(cow);
    if (!isKeyDown(cow->keyControls))
        advanceSpinAngles();
}

// The rules' tick, with what a demo takes from it or puts into it, and the computer player's
// keys (held before the recording reads them).
void rulesTick() {
    if (netGame())
        return netRulesTick();
    holdDemoKeys();
    holdComputerKeys();
    beginDemoTick();
    stepPlayTick();
    endDemoTick();
}

} // namespace

void drawHalves(bool ticked) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    beginHalves();
    if (Cow *shown = oneViewShown()) {
        drawHalf(shown, wholeWindow(windowWidth, windowHeight), ticked);
        if (ticked) // the hidden half's clocks run on as if it were drawn
            advanceUndrawnHalf(shown->other);
    } else {
        drawHalf(cow1, rightHalf(windowWidth, windowHeight), ticked);
        drawHalf(cow2, leftHalf(windowWidth, windowHeight), ticked);
    }
    endHalves();
}

void setCameraDefaults() {
    fieldOfView = 90.0f;
    cameraDistance = 10;
    cameraYaw = -20;
    cameraPitch = 70;
    cameraTargetHeight = 2.0;
}

double degToRad(int degrees) {
    return degrees * RadiansPerDegree;
}

CameraSetting currentCameraSetting() {
    return {static_cast<double>(cameraDistance), static_cast<double>(cameraYaw),
            static_cast<double>(cameraPitch)};
}

void drawCameraAt(const CameraSetting *setting) {
    drawnCamera = setting;
}

ChaseView chaseView(const Cow *cow) {
    const CameraSetting camera = drawnCamera ? *drawnCamera : currentCameraSetting();
    const CowPose pose = drawnPose(cow);
    const double d = camera.distance;
    const double yaw = camera.yawDegrees * RadiansPerDegree;
    const double pitch = camera.pitchDegrees * RadiansPerDegree;
    ChaseView view;
    view.eye[0] = -pose.x + std::cos(pitch) * std::sin(yaw) * d;
    view.eye[1] = pose.y + std::cos(pitch) * std::cos(yaw) * d;
    view.eye[2] = std::sin(pitch) * d;
    view.centre[0] = -pose.x;
    view.centre[1] = pose.y;
    view.centre[2] = cameraTargetHeight;
    view.up[0] = 0;
    view.up[1] = 0;
    view.up[2] = 1;
    return view;
}

const ChaseView &lastChaseView() {
    return lastView;
}

void chaseCamera(const Cow *cow) {
    lastView = chaseView(cow);
    const ChaseView &v = lastView;
    gluLookAt(v.eye[0], v.eye[1], v.eye[2], v.centre[0], v.centre[1], v.centre[2], v.up[0], v.up[1],
              v.up[2]);
}

void pollCameraKeys() {
    if (isKeyDown(KeyCloser))
        cameraDistance -= 1;
    if (isKeyDown(KeyFarther))
        cameraDistance += 1;
    if (cameraDistance < MinCameraDistance)
        cameraDistance = MinCameraDistance;
    if (isKeyDown(KeyPitchUp))
        cameraPitch = cameraPitch % FullTurn + 1;
    if (isKeyDown(KeyPitchDown))
        cameraPitch = cameraPitch % FullTurn - 1;
    if (isKeyDown(KeyYawUp))
        cameraYaw = cameraYaw % FullTurn + 1;
    if (isKeyDown(KeyYawDown))
        cameraYaw = cameraYaw % FullTurn - 1;
}

HalfViewport rightHalf(int width, int height) {
    const int half = width / 2;
    return {half + HalfGap, half, static_cast<double>(half) / height, false};
}

HalfViewport leftHalf(int width, int height) {
    const int half = width / 2;
    return {0, half - HalfGap, static_cast<double>(half) / height, false};
}

HalfViewport wholeWindow(int width, int height) {
    return {0, width, static_cast<double>(width) / height, true};
}

void mirrorWorld() {
    glScalef(-1, 1, 1);
    glFrontFace(GL_CW);
}

void playFrame() {
    rulesTick();
    phaseDone(DrawPhase::Update);
    drawHalves(true);
    pollCameraKeys();
}

void playTickUndrawn() {
    rulesTick();
    for (const Cow *cow : {cow1, cow2}) // what each half's drawing would have advanced
        advanceUndrawnHalf(cow);
    pollCameraKeys();
}

void drawPlayScreen() {
    drawHalves(false);
}
