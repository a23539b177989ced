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
void playFrame();                 // update both cows, draw both halves
