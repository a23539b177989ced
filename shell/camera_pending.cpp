// camera_pending.cpp: the camera and play frame (not written yet: the drawing work fills it).
#include "shell/camera.h"

float fieldOfView;
int cameraDistance;
int cameraYaw;
int cameraPitch;
double cameraTargetHeight;

void setCameraDefaults() {}
void playFrame() {}
