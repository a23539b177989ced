// kinds.cpp: the tile and object kind tables: one switch per map character for sizes and
// textures, and the handlers bound to each character by the layers above.
#include "world/kinds.h"
#include "images/texture_slots.h"
#include "world/grids.h"

void noTouch(Cow *, int, int) {}
void noPlace(int, int) {}
void noDraw(int, int) {}

namespace {

constexpr int KindCount = 256; // one slot per byte

// --- Process lifetime: bound once before the first map load ---
struct ObjectHandlers {
    DrawHandler draw = noDraw;
    TouchHandler touch = noTouch;
    PlaceHandler place = noPlace;
};
ObjectHandlers objectHandlers[KindCount];
EnterHandler enterHandlers[KindCount];

void makeNoCows(int, int, int, int) {}
void freeNoCows() {}
CowMaker boundCowMaker = {makeNoCows, freeNoCows};

int slotOf(char kind) {
    return static_cast<unsigned char>(kind);
}

EnterHandler enterHandlerOf(char kind) {
    EnterHandler enter = enterHandlers[slotOf(kind)];
    return enter ? enter : noTouch;
}

// Give `object` the handlers bound to `kind`.
void takeHandlers(WorldObject *object, char kind) {
    const ObjectHandlers &handlers = objectHandlers[slotOf(kind)];
    object->drawHandler = handlers.draw;
    object->touchHandler = handlers.touch;
    object->placeHandler = handlers.place;
}

} // namespace

void bindTileRules(char kind, EnterHandler enter) {
    enterHandlers[slotOf(kind)] = enter;
}

void bindObjectRules(char kind, TouchHandler touch, PlaceHandler place) {
    objectHandlers[slotOf(kind)].touch = touch;
    objectHandlers[slotOf(kind)].place = place;
}

void bindObjectModel(char kind, DrawHandler draw) {
    objectHandlers[slotOf(kind)].draw = draw;
}

void bindCowMaker(const CowMaker &maker) {
    boundCowMaker = maker;
}

const CowMaker &cowMaker() {
    return boundCowMaker;
}

Tile *createTile(char kind, int column, int row) {
    Tile *tile = new Tile;
    tile->kind = kind;
    tile->column = column;
    tile->row = row;

    int stand, surface; // raw heights
    switch (kind) {
    case '.': // dirt
        tile->texture = TileTextures[TileDirt];
        stand = 2, surface = 2;
        tile->enterHandler = enterHandlerOf(kind);
        break;
    case '_': // grass
        tile->texture = TileTextures[TileGrass];
        stand = 3, surface = 3;
        tile->enterHandler = enterHandlerOf(kind);
        break;
    case 'e': // low hill
        tile->texture = TileTextures[TileGrass];
        stand = 10, surface = 10;
        tile->enterHandler = noTouch;
        break;
    case 'E': // high hill
        tile->texture = TileTextures[TileGrass];
        stand = 15, surface = 15;
        tile->enterHandler = noTouch;
        break;
    case '~': // water: drawn at 0.3, stood in at -0.6
        tile->texture = TileTextures[TileWater];
        stand = -2, surface = 1;
        tile->enterHandler = enterHandlerOf(kind);
        break;
    default: // wall block
        tile->texture = TileTextures[TileWall];
        stand = 20, surface = 20;
        tile->enterHandler = noTouch;
        break;
    }
    tile->standHeight = static_cast<float>(stand * TileHeightScale);
    tile->surfaceHeight = static_cast<float>(surface * TileHeightScale);
    return tile;
}

void initObject(WorldObject *object, char kind, int column, int row) {
    object->kind = kind;
    object->x = static_cast<float>(column);
    object->y = static_cast<float>(row);
    object->z = TileGrid[column][row]->standHeight;
    object->halfWidth = 1.0f;
    object->hitsLeft = 0;
    takeHandlers(object, kind);

    switch (kind) {
    case '!': // syringe
        object->height = 1.0f;
        break;
    case '#': // fence
        object->height = 1.0f;
        break;
    case '*': // hay bale
        object->height = 1.0f;
        break;
    case '+': // grow pill
        object->height = 1.0f;
        break;
    case '/': // gate of cow 2
        object->height = 100.0f;
        object->hitsLeft = GateHits;
        break;
    case '\\': // gate of cow 1
        object->height = 100.0f;
        object->hitsLeft = GateHits;
        break;
    case '1': // cow 1
        object->height = 1.0f;
        break;
    case '2': // cow 2
        object->height = 1.0f;
        break;
    case '@': // snail pill
        object->height = 1.0f;
        break;
    case 'B': // barn
        object->height = 10.0f;
        break;
    case 'F': // tall fence
        object->height = 100.0f;
        break;
    case 'I': // silo
        object->height = 1.0f;
        break;
    case 'T': // tree
        object->height = 100.0f;
        break;
    case 'Y': // head pill
        object->height = 1.0f;
        break;
    case 'o': // rock
        object->height = 1.0f;
        break;
    case 's': // solid marker
        object->height = 20.0f;
        break;
    case 'x': // ring marker
        object->height = 20.0f;
        break;
    default: // stray object
        takeHandlers(object, StrayObjectKind);
        object->height = 0.0f;
        break;
    }
}

WorldObject *createObject(char kind, int column, int row) {
    WorldObject *object = new WorldObject;
    initObject(object, kind, column, row);
    return object;
}
