// handlers.h: the touch, enter, carried-effect and placement handlers of the rules.
#pragma once

struct Cow;

// touch handlers: (moving cow, object column, object row)
void blockCow(Cow *cow, int column, int row);        // solid: back the cow out
void pickUpHay(Cow *cow, int column, int row);       // hay bale into the load
void pickUpSyringe(Cow *cow, int column, int row);   // carry the slowing injection
void takeGrowPill(Cow *cow, int column, int row);    // grow big
void takeHeadPill(Cow *cow, int column, int row);    // the pill goes, nothing else
void removeTouched(Cow *cow, int column, int row);   // snail pill: the pill goes
void touchGateOfCow1(Cow *cow, int column, int row); // gate '\' of cow 1
void touchGateOfCow2(Cow *cow, int column, int row); // gate '/' of cow 2
void touchCow(Cow *mover, int column, int row);      // a cow ran into the other cow

// carried effect: (victim, mover's column, mover's row)
void slowDown(Cow *victim, int column, int row); // the syringe's injection

// enter handlers: (cow, tile column, tile row)
void enterWater(Cow *cow, int column, int row);
void enterGrass(Cow *cow, int column, int row);
void enterDirt(Cow *cow, int column, int row);

// placement handlers: (column, row)
void placeSiloMarkers(int column, int row); // 16 solid markers ring the silo
void placeBarnMarkers(int column, int row); // 22 solid markers outline the barn
void placeRingMarkers(int column, int row); // solid markers two cells away
