// map_text.cpp: the world's consistency check.
#include "tests/world/map_text.h"
#include "rules/cow.h"
#include "world/grids.h"

bool worldIsConsistent() {
    if (mapColumns < 0 || mapRows < 0 || mapColumns > GridSize || mapRows > GridSize)
        return false;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            const Tile *tile = TileGrid[c][r];
            if (!tile || tile->column != c || tile->row != r)
                return false;
            const WorldObject *object = ObjectGrid[c][r];
            if (object && (object->x != c || object->y != r || object->z != tile->standHeight))
                return false;
        }
    if (!cow1 || !cow2 || cow1->other != cow2 || cow2->other != cow1)
        return false;
    for (const Cow *cow : {cow1, cow2}) {
        const Tile *home = tileAt(cow->homeCol, cow->homeRow);
        if (!home || cow->x != cow->homeCol || cow->y != cow->homeRow ||
            cow->z != home->standHeight)
            return false;
    }
    return true;
}
