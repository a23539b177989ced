// kinds.cpp: the tile and object kind tables: one switch per map character.
#include "world/grids.h"
#include "images/texture_slots.h"
#include "models/draw_handlers.h"
#include "rules/handlers.h"

void noTouch(Cow *, int, int) {}
void noPlace(int, int) {}

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
        tile->enterHandler = enterDirt;
        break;
    case '_': // grass
        tile->texture = TileTextures[TileGrass];
        stand = 3, surface = 3;
        tile->enterHandler = enterGrass;
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
        tile->enterHandler = enterWater;
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
    object->placeHandler = noPlace;

    switch (kind) {
    case '!': // syringe
        object->drawHandler = drawSyringeItem;
        object->touchHandler = pickUpSyringe;
        object->height = 1.0f;
        break;
    case '#': // fence
        object->drawHandler = drawFence;
        object->touchHandler = blockCow;
        object->height = 1.0f;
        break;
    case '*': // hay bale
        object->drawHandler = drawHayBale;
        object->touchHandler = pickUpHay;
        object->height = 1.0f;
        break;
    case '+': // grow pill
        object->drawHandler = drawGrowPill;
        object->touchHandler = takeGrowPill;
        object->height = 1.0f;
        break;
    case '/': // gate of cow 2
        object->drawHandler = drawGateOfCow2;
        object->touchHandler = touchGateOfCow2;
        object->height = 100.0f;
        object->hitsLeft = GateHits;
        break;
    case '\\': // gate of cow 1
        object->drawHandler = drawGateOfCow1;
        object->touchHandler = touchGateOfCow1;
        object->height = 100.0f;
        object->hitsLeft = GateHits;
        break;
    case '1': // cow 1
        object->drawHandler = drawProfileCow;
        object->touchHandler = touchCow;
        object->height = 1.0f;
        break;
    case '2': // cow 2
        object->drawHandler = drawQuadricCow;
        object->touchHandler = touchCow;
        object->height = 1.0f;
        break;
    case '@': // snail pill
        object->drawHandler = drawSnailPill;
        object->touchHandler = removeTouched;
        object->height = 1.0f;
        break;
    case 'B': // barn
        object->drawHandler = drawBarn;
        object->touchHandler = noTouch;
        object->placeHandler = placeBarnMarkers;
        object->height = 10.0f;
        break;
    case 'F': // tall fence
        object->drawHandler = drawTallFence;
        object->touchHandler = blockCow;
        object->height = 100.0f;
        break;
    case 'I': // silo
        object->drawHandler = drawSilo;
        object->touchHandler = noTouch;
        object->placeHandler = placeSiloMarkers;
        object->height = 1.0f;
        break;
    case 'T': // tree
        object->drawHandler = drawTree;
        object->touchHandler = blockCow;
        object->height = 100.0f;
        break;
    case 'Y': // head pill
        object->drawHandler = drawHeadPill;
        object->touchHandler = takeHeadPill;
        object->height = 1.0f;
        break;
    case 'o': // rock
        object->drawHandler = drawRock;
        object->touchHandler = blockCow;
        object->height = 1.0f;
        break;
    case 's': // solid marker
        object->drawHandler = drawNothing;
        object->touchHandler = blockCow;
        object->height = 20.0f;
        break;
    case 'x': // ring marker
        object->drawHandler = drawNothing;
        object->touchHandler = blockCow;
        object->placeHandler = placeRingMarkers;
        object->height = 20.0f;
        break;
    default: // stray object
        object->drawHandler = drawStrayObject;
        object->touchHandler = noTouch;
        object->height = 0.0f;
        break;
    }
}

WorldObject *createObject(char kind, int column, int row) {
    WorldObject *object = new WorldObject;
    initObject(object, kind, column, row);
    return object;
}
