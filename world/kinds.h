// kinds.h: what each map character does and how it looks, bound by the layers above the world.
// The world's kind tables give every kind its size, heights and texture; the rules bind the
// touch, enter and placement handlers, the models the draw handlers, and the rules make the two
// cows. A program binds what it runs before its first map load (the replay tool only the rules);
// a slot nobody bound holds the named do-nothing handler.
#pragma once

#include "world/tile.h"
#include "world/world_object.h"

constexpr char StrayObjectKind = '\0'; // binds the kind of every character without its own

void bindTileRules(char kind, EnterHandler enter);
void bindObjectRules(char kind, TouchHandler touch, PlaceHandler place);
void bindObjectModel(char kind, DrawHandler draw);

// Making and freeing the two cows of a round (the rules' records).
struct CowMaker {
    // Make cow1 at its home (column1, row1) and cow2 at (column2, row2), rivals of each other.
    void (*make)(int column1, int row1, int column2, int row2);
    void (*free)(); // delete both cows; cow1 and cow2 become null
};
void bindCowMaker(const CowMaker &maker);
// The bound maker (does nothing while unbound).
const CowMaker &cowMaker();

void noDraw(int column, int row); // draw no-op of a kind no model was bound to
