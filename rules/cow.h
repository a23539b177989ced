// cow.h: the Cow record, its defaults and keys, and the rules update of one cow.
#pragma once

#include "audio/sound.h"
#include "world/grids.h"

// One player. Begins with every WorldObject field, so a cow is drawn, touched and
// collision-tested like any object.
struct Cow : WorldObject {
    TouchHandler carriedEffect; // what this cow does to the other on contact: noTouch or slowDown
    float dirX, dirY;           // heading, each -1, 0 or +1, never both 0
    int facing;                 // model direction in degrees, a multiple of 18 in 0..342
    float groundHeight;         // stand height when last placed on the ground; base of a jump
    float jumpHeight;           // height above groundHeight during a jump, else 0
    float jumpPhase;            // degrees along the jump arc
    float speed;                // distance per update when walking
    float startX, startY;       // x, y at the start of the current update
    int homeCol, homeRow;       // home cell, where hay is banked
    Cow *other;                 // the rival
    bool inWater;               // splashed into water, not yet back on grass or dirt
    bool leftWater;             // just moved from a water tile onto another tile
    int keyUp, keyDown, keyLeft, keyRight, keyJump, keyButt, keyControls; // virtual-key codes
    Sound mooSource;                                                      // normal-size jump moo
    float maxSpeed;                                                       // walking speed limit
    float jumpAmplitude;                                                  // peak height of a jump
    float stepClearance; // height added to the feet in the contact test
    float stamina;       // head-butt energy; above 100 only while big
    bool big;            // took a grow pill
    bool recovering;     // maxSpeed growing back after an injection
    bool stunned;        // head-butted: can do nothing
    int stunTimer;       // updates counted while stunned
    bool won;            // won the round
    bool jumping;        // a jump is in progress
    bool butting;        // a head-butt lunge is in progress
    bool blocked;        // a solid object stopped the cow in the last contact pass
    Tile *tile;          // the tile under the cow after the last update
    int carriedHay;      // bales carried, 0..carryLimit
    int bankedHay;       // bales banked at home
    float buttSteps;     // lunge steps taken in the current head-butt, 0..5
    bool gateBroken;     // own gate butted open by the rival
    bool atOwnGate;      // touched its own gate during this update
    char name[10];       // player name shown on the HUD
};

constexpr int carryLimit = 10;  // bales a cow can carry
constexpr int winningBank = 60; // a bank of more than 59 wins

// Drawing scales beside the records: [0] cow1, [1] cow2. Reset by every map load.
extern float modelScale[2];
constexpr float Cow1NormalScale = 0.05f, Cow1BigScale = 0.08f;
constexpr float Cow2NormalScale = 0.12f, Cow2BigScale = 0.2f;
// The drawing scale of `cow` (cow1 or cow2).
float &modelScaleOf(const Cow *cow);

// Make the cow for map character '1' or '2' at (column, row), its home, with its defaults.
Cow *createCow(char kind, int column, int row);

// One rules update of `cow` (the seventeen steps, in order).
void updateCow(Cow *cow);

// Place the cow's base height on the ground under it (or on its jump); the play tick calls it
// after both updates.
void followGround(Cow *cow);
