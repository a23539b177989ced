// camera.h: the chase camera shared by both halves, and the split-screen play frame.
#pragma once

struct Cow;

// --- Set once at start-up, kept across new games ---
extern float fieldOfView;         // vertical, degrees
extern int cameraDistance;        // eye to target, world units
extern int cameraYaw;             // whole degrees about the vertical
extern int cameraPitch;           // whole degrees above the ground plane
extern double cameraTargetHeight; // height of the point looked at

void setCameraDefaults();         // the start values
double degToRad(int degrees);     // whole degrees to radians (x 0.0174532925)
void chaseCamera(const Cow *cow); // load the chase view for `cow` onto the modelview matrix
void pollCameraKeys();            // U O I K J L adjust the shared camera
void playFrame();                 // one tick drawn: update both cows, draw both halves
// One tick not drawn (catching up): the cows' update, and the HUD introduction, the item spin
// and the camera keys as far as a drawn frame would have advanced them.
void playTickUndrawn();
void drawPlayScreen(); // both halves as they stand, no tick (a window uncovered or resized)
// Both halves, right (cow 1) then left (cow 2); `ticked` advances the HUD introduction and the
// item spin as each half is drawn.
void drawHalves(bool ticked);

// The shared camera's setting as the chase view uses it.
struct CameraSetting {
    double distance, yawDegrees, pitchDegrees; // world units, degrees
};
CameraSetting currentCameraSetting(); // as the camera keys left it
// The chase view uses `setting` instead until called with null (the frame code, between ticks).
void drawCameraAt(const CameraSetting *setting);
// The steps of a play frame, in the order a half runs them (Update once per frame).
enum class DrawPhase { Update, Hud, Cows, Terrain, Objects, Beacons };
// Called as each step ends; null in the game (the frame benchmark times the steps with it).
extern void (*drawPhaseHook)(DrawPhase finished);

// Mirror everything drawn after it in x, and take clockwise faces as front faces so that the
// outside of every model and tile stays its front (undone by glFrontFace(GL_CCW)).
void mirrorWorld();

// What gluLookAt is given for a cow: eye, centre and up, in the unmirrored frame.
struct ChaseView {
    double eye[3], centre[3], up[3];
};
ChaseView chaseView(const Cow *cow); // the view chaseCamera loads for `cow`
const ChaseView &lastChaseView();    // the view chaseCamera loaded last

// Where one half of the window draws: viewport x and width in pixels, and the aspect ratio
// of its perspective (half the window's width over its height); `whole` for the one view that
// fills the window (its panel spreads out).
struct HalfViewport {
    int x, width;
    double aspect;
    bool whole;
};
HalfViewport rightHalf(int windowWidth, int windowHeight);   // cow 1's half
HalfViewport leftHalf(int windowWidth, int windowHeight);    // cow 2's half
HalfViewport wholeWindow(int windowWidth, int windowHeight); // one cow's view alone
