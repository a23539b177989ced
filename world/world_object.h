// world_object.h: anything that stands on a cell (and the head of every Cow).
#pragma once

struct Cow;

typedef void (*DrawHandler)(int column, int row);            // draws at the cell centre
typedef void (*PlaceHandler)(int column, int row);           // runs once after the map is read
typedef void (*TouchHandler)(Cow *cow, int column, int row); // a cow ran into the object

// One object on a cell. The Cow record begins with exactly these fields.
struct WorldObject {
    char kind;                 // the object character from the map ('1'/'2' for cows)
    DrawHandler drawHandler;   // the model
    PlaceHandler placeHandler; // noPlace for kinds without placement
    TouchHandler touchHandler; // noTouch for kinds without behaviour
    int hitsLeft;              // gates only: head-butts left before the gate breaks open
    float x;                   // column (cows: moving float position)
    float y;                   // row
    float z;                   // base height: stand height of the tile under it
    float height;              // solid from z up to z + height in the contact test
    float halfWidth;           // half extent in x and y for the contact test (1.0)
};

constexpr int GateHits = 3; // head-butts a gate takes before it breaks open

// Fill `object` for map character `kind` at (column, row); the cell's tile must exist.
void initObject(WorldObject *object, char kind, int column, int row);
// Make a new object for map character `kind` at (column, row); the cell's tile must exist.
WorldObject *createObject(char kind, int column, int row);

// The shared do-nothing handlers.
void noTouch(Cow *cow, int column, int row); // touch, enter and carried-effect no-op
void noPlace(int column, int row);           // placement no-op
