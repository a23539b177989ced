// keys.cpp: the key-state table.
#include "input/keys.h"

namespace {
bool keyTable[KeyCodeCount]; // held keys by virtual-key code
}

bool isKeyDown(int code) {
    return code >= 0 && code < KeyCodeCount && keyTable[code];
}

void setKeyDown(int code, bool down) {
    if (code >= 0 && code < KeyCodeCount)
        keyTable[code] = down;
}

void releaseAllKeys() {
    for (bool &key : keyTable)
        key = false;
}

void releaseKeysNotHeld(bool (*physicallyDown)(int code)) {
    for (int code = 0; code < KeyCodeCount; code++)
        if (keyTable[code] && !physicallyDown(code))
            keyTable[code] = false;
}
