// steps.h: the single steps of the rules update, for the update itself, the tests and the
// replay tool. Positions are in cells, angles in whole degrees, times in updates.
#pragma once

struct Cow;
struct WorldObject;

// --- Movement (movement.cpp) ---
constexpr double Acceleration = 0.045;  // speed gained per update while a direction key is held
constexpr double Deceleration = 0.09;   // speed lost per update with no direction key
constexpr double StopSpeed = 0.05;      // a coasting speed at or below this becomes 0
constexpr double ProbeDistance = 0.501; // cells from the cow to its probe point
constexpr double BackOffStep = 0.01;    // cells per back-off step, against the heading
constexpr int TurnStep = 18;            // degrees per turn step
constexpr double DegreesToRadians = 0.0174532925;

// A map cell.
struct Cell {
    int column, row;
};

void readDirectionKeys(Cow *cow); // heading from the four direction keys
void turnTowardKeys(Cow *cow);    // facing one turn step (or two) toward the keys held
void accelerateAndStep(Cow *cow); // speed up or coast, then step along the heading
Cell probeCell(const Cow *cow);   // the cell half a unit ahead of the cow
void backOffFromEdge(Cow *cow);   // back the cow off until its probe cell has a tile
// True when cow `a` touches `b` (an object or the other cow): box overlap in x, y and height.
bool contactTest(const Cow *a, const WorldObject *b);
// One back-off step against the heading, unless it would take the cow off the cells that
// have tiles; false (and no move) then.
bool stepBack(Cow *cow);
// True when the cell under the cow has a tile.
bool standsOnTile(const Cow *cow);

// --- Jump (jump.cpp) ---
constexpr double JumpPhaseStep = 90.0 / 7; // degrees along the arc per update
void jumpStep(Cow *cow);                   // one step of the jump arc; the moo when a jump starts

// --- Head-butt (headbutt.cpp) ---
constexpr float ButtStepsMax = 5;    // lunge steps per head-butt
constexpr double LungeStep = 1.0;    // cells per lunge step
constexpr float ButtStaminaCost = 8; // stamina per lunge step
void buttStep(Cow *cow);             // one lunge step, or the end of the head-butt
void useCarriedEffect(Cow *mover);   // deliver the mover's injection to the other cow
void stunOther(Cow *mover);          // knock the other cow over when the mover is butting

// --- Items (items.cpp) ---
constexpr double SlowedMaxSpeed = 0.05;       // maxSpeed right after an injection
constexpr double RecoveryPerUpdate = 0.00225; // maxSpeed regained per update after it
constexpr float BigStamina = 200;             // stamina a grow pill gives
void shrinkCow(Cow *cow);                     // back to normal size
float normalScaleOf(const Cow *cow);          // drawing scale at normal size
float bigScaleOf(const Cow *cow);             // drawing scale when big

// --- Hay (hay.cpp) ---
constexpr int HomeRadius = 2; // cells: a cow within this (strictly) of a home cell is at it
// Take as much of `source` into the cow's load as fits (the transfer rule).
void takeHay(Cow *cow, int &source);
void bankHay(Cow *cow);          // move the load into the bank at home
void homeAndStealStep(Cow *cow); // bank at the own home, steal at the other's (step 13)
void winningCheck(Cow *cow);     // a bank above 59 wins the round (step 14)
