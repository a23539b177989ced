// rules_state.cpp: saving, restoring and checksumming the rules' state between ticks.
#include "rules/rules_state.h"
#include "rules/handlers.h"
#include "world/grids.h"

#include <cstring>

namespace {

// A new field of Cow must be saved (a plain copy does it), re-derived on restore if it is a
// pointer, and added to the checksum below; then change this size.
static_assert(sizeof(Cow) == 216, "Cow changed: see saveRulesState and checksumCow");

// --- Rebuilt for every world: the objects whose touch can change them ---
struct ChangeableObject {
    int column, row;
    WorldObject loaded; // the object as the map made it, to make it again when taken
};
struct ObjectIndex {
    unsigned long long world = 0;
    std::vector<ChangeableObject> objects;
} indexed;

// True for an object that no touch can change: solid things and scenery.
bool neverChanges(const WorldObject *object) {
    return object->touchHandler == blockCow || object->touchHandler == noTouch;
}

// The changeable objects of the current world, in the grid's reading order (column by column).
const ObjectIndex &changeableObjects() {
    if (indexed.world == worldNumber())
        return indexed;
    indexed.world = worldNumber();
    indexed.objects.clear();
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++) {
            const WorldObject *object = ObjectGrid[c][r];
            if (object && !neverChanges(object))
                indexed.objects.push_back({c, r, *object});
        }
    return indexed;
}

// The canonical encoding is a sequence of 32-bit values (floats by their bits, flags and bytes
// widened), folded FNV-1a style a value at a time and mixed at the end.
class Checksum {
  public:
    void word(std::uint32_t w) {
        sum ^= w;
        sum *= 0x100000001b3ULL;
    }
    void integer(int value) { word(static_cast<std::uint32_t>(value)); }
    void real(float value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        word(bits);
    }
    void flag(bool value) { word(value ? 1 : 0); }
    void byte(unsigned char b) { word(b); }
    std::uint64_t value() const { // the finaliser of splitmix64: every bit reaches every bit
        std::uint64_t z = sum;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

  private:
    std::uint64_t sum = 0xcbf29ce484222325ULL;
};

// Which cow a pointer names: 1, 2, or 0 for neither.
int cowNumber(const Cow *cow) {
    return cow == cow1 ? 1 : cow == cow2 ? 2 : 0;
}

// The carried effect by name: 0 none, 1 the syringe's injection, 2 anything else.
int effectNumber(TouchHandler effect) {
    return effect == noTouch ? 0 : effect == slowDown ? 1 : 2;
}

// Every field of an object except its draw and placement handlers (which the rules never
// change or call during play); the touch handler by the kind it comes from.
void checksumObject(Checksum &sum, const WorldObject &object, int hitsLeft) {
    sum.byte(static_cast<unsigned char>(object.kind));
    sum.integer(hitsLeft);
    sum.real(object.x);
    sum.real(object.y);
    sum.real(object.z);
    sum.real(object.height);
    sum.real(object.halfWidth);
}

void checksumCow(Checksum &sum, const Cow &cow) {
    checksumObject(sum, cow, cow.hitsLeft);
    sum.flag(cow.touchHandler == touchCow);
    sum.byte(static_cast<unsigned char>(effectNumber(cow.carriedEffect)));
    sum.real(cow.dirX);
    sum.real(cow.dirY);
    sum.integer(cow.facing);
    sum.real(cow.groundHeight);
    sum.real(cow.jumpHeight);
    sum.real(cow.jumpPhase);
    sum.real(cow.speed);
    sum.real(cow.startX);
    sum.real(cow.startY);
    sum.integer(cow.homeCol);
    sum.integer(cow.homeRow);
    sum.byte(static_cast<unsigned char>(cowNumber(cow.other)));
    sum.flag(cow.inWater);
    sum.flag(cow.leftWater);
    for (int key : {cow.keyUp, cow.keyDown, cow.keyLeft, cow.keyRight, cow.keyJump, cow.keyButt,
                    cow.keyControls})
        sum.integer(key);
    sum.integer(static_cast<int>(cow.mooSource));
    sum.real(cow.maxSpeed);
    sum.real(cow.jumpAmplitude);
    sum.real(cow.stepClearance);
    sum.real(cow.stamina);
    sum.flag(cow.big);
    sum.flag(cow.recovering);
    sum.flag(cow.stunned);
    sum.integer(cow.stunTimer);
    sum.flag(cow.won);
    sum.flag(cow.jumping);
    sum.flag(cow.butting);
    sum.flag(cow.blocked);
    sum.integer(cow.tile ? cow.tile->column : -1);
    sum.integer(cow.tile ? cow.tile->row : -1);
    sum.integer(cow.carriedHay);
    sum.integer(cow.bankedHay);
    sum.real(cow.buttSteps);
    sum.flag(cow.gateBroken);
    sum.flag(cow.atOwnGate);
    for (char c : cow.name)
        sum.byte(static_cast<unsigned char>(c));
}

// The checksum of two cows, the scales and the changeable objects (each present one with its
// hits, or absent).
template <class ObjectAt>
std::uint64_t checksumState(const Cow &first, const Cow &second, const float scale[2],
                            const ObjectIndex &index, ObjectAt objectAt) {
    Checksum sum;
    checksumCow(sum, first);
    checksumCow(sum, second);
    sum.real(scale[0]);
    sum.real(scale[1]);
    for (size_t i = 0; i < index.objects.size(); i++) {
        int hitsLeft = 0;
        const WorldObject *object = objectAt(i, hitsLeft);
        sum.flag(object != nullptr);
        if (object)
            checksumObject(sum, *object, hitsLeft);
    }
    return sum.value();
}

} // namespace

void saveRulesState(RulesState &out) {
    const ObjectIndex &index = changeableObjects();
    out.world = index.world;
    out.cows[0] = *cow1;
    out.cows[1] = *cow2;
    out.modelScale[0] = modelScale[0];
    out.modelScale[1] = modelScale[1];
    out.objects.resize(index.objects.size());
    for (size_t i = 0; i < index.objects.size(); i++) {
        const ChangeableObject &changeable = index.objects[i];
        const WorldObject *object = ObjectGrid[changeable.column][changeable.row];
        out.objects[i] = {object != nullptr, object ? object->hitsLeft : 0};
    }
}

bool restoreRulesState(const RulesState &in) {
    const ObjectIndex &index = changeableObjects();
    if (in.world != index.world || in.objects.size() != index.objects.size())
        return false;
    Cow *live[2] = {cow1, cow2};
    for (int i = 0; i < 2; i++) {
        Cow cow = in.cows[i];
        // the records stay where they are; the pointers name the same things in this world
        cow.other = live[1 - i];
        cow.tile =
            in.cows[i].tile ? tileAt(in.cows[i].tile->column, in.cows[i].tile->row) : nullptr;
        *live[i] = cow;
    }
    modelScale[0] = in.modelScale[0];
    modelScale[1] = in.modelScale[1];
    for (size_t i = 0; i < index.objects.size(); i++) {
        const ChangeableObject &changeable = index.objects[i];
        WorldObject *&object = ObjectGrid[changeable.column][changeable.row];
        const ObjectState &state = in.objects[i];
        if (state.present) {
            if (!object)
                object = new WorldObject(changeable.loaded); // taken since: made again
            object->hitsLeft = state.hitsLeft;
        } else if (object) {
            delete object; // taken in the ticks being undone
            object = nullptr;
        }
    }
    return true;
}

uint64_t rulesStateChecksum() {
    const ObjectIndex &index = changeableObjects();
    return checksumState(*cow1, *cow2, modelScale, index, [&](size_t i, int &hitsLeft) {
        const WorldObject *object = ObjectGrid[index.objects[i].column][index.objects[i].row];
        if (object)
            hitsLeft = object->hitsLeft;
        return object;
    });
}

uint64_t checksumOf(const RulesState &state) {
    const ObjectIndex &index = changeableObjects();
    return checksumState(state.cows[0], state.cows[1], state.modelScale, index,
                         [&](size_t i, int &hitsLeft) -> const WorldObject * {
                             if (i >= state.objects.size() || !state.objects[i].present)
                                 return nullptr;
                             hitsLeft = state.objects[i].hitsLeft;
                             return &index.objects[i].loaded;
                         });
}
