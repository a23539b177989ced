// keys.cpp: the key-state table: which sources hold each key.
#include "input/keys.h"

namespace {
unsigned keyTable[KeyCodeCount]; // held keys by virtual-key code: a KeySource bit per holder
}

bool isKeyDown(int code) {
    return code >= 0 && code < KeyCodeCount && keyTable[code] != 0;
}

unsigned keyHolders(int code) {
    return code >= 0 && code < KeyCodeCount ? keyTable[code] : 0;
}

void setKeyFrom(KeySource source, int code, bool down) {
    if (code < 0 || code >= KeyCodeCount)
        return;
    if (down)
        keyTable[code] |= source;
    else
        keyTable[code] &= ~static_cast<unsigned>(source);
}

void setKeyDown(int code, bool down) {
    setKeyFrom(KeyboardSource, code, down);
}

void releaseKeysFrom(KeySource source) {
    for (unsigned &key : keyTable)
        key &= ~static_cast<unsigned>(source);
}

void releaseAllKeys() {
    for (unsigned &key : keyTable)
        key = 0;
}

void releaseKeysNotHeld(bool (*physicallyDown)(int code)) {
    for (int code = 0; code < KeyCodeCount; code++)
        if ((keyTable[code] & KeyboardSource) && !physicallyDown(code))
            keyTable[code] &= ~static_cast<unsigned>(KeyboardSource);
}
