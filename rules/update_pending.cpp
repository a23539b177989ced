// update_pending.cpp: rule handlers not written yet (the rules work fills them).
#include "rules/cow.h"
#include "rules/handlers.h"

void updateCow(Cow *) {}
void blockCow(Cow *, int, int) {}
void pickUpHay(Cow *, int, int) {}
void pickUpSyringe(Cow *, int, int) {}
void takeGrowPill(Cow *, int, int) {}
void takeHeadPill(Cow *, int, int) {}
void removeTouched(Cow *, int, int) {}
void touchGateOfCow1(Cow *, int, int) {}
void touchGateOfCow2(Cow *, int, int) {}
void touchCow(Cow *, int, int) {}
void slowDown(Cow *, int, int) {}
void enterWater(Cow *, int, int) {}
void enterGrass(Cow *, int, int) {}
void enterDirt(Cow *, int, int) {}
