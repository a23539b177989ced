// primitives.h: the textured solids every model is built from. They draw at the origin of
// the current modelview matrix and never bind textures, set colours or toggle texturing.
#pragma once

struct GLUquadric;

// Lighter models (low detail): cylinders and cones in one stack, disks in one loop, spheres
// and tori with half their slices, stacks and rings. The compiled models keep a list of each.
extern bool lighterModels;

void cylinderOn(GLUquadric *quadric, double baseRadius, double topRadius, double height, int slices,
                int stacks);
void texturedCylinder(double baseRadius, double topRadius, double height, int slices, int stacks);
void texturedCone(double baseRadius, double height, int slices, int stacks);
void texturedDisk(double innerRadius, double outerRadius, int slices, int loops);
void sphereOn(GLUquadric *quadric, double radius, int slices, int stacks);
void texturedSphere(double radius, double slices, double stacks); // counts truncated
void drawCube(double edge);
void drawTorus(double tubeRadius, double ringRadius, double sides,
               double rings);      // counts truncated
void texturedHalfBox(double side); // s wide and deep, s/2 tall, on z = 0
void texturedPrism(double width, double height, double depth); // leaves GL_CULL_FACE enabled
