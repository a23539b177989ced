// texture_slots.cpp: the texture slots, and where each catalogue entry lands in them.
#include "images/texture_slots.h"

unsigned int ModelTextures[20];
unsigned int TileTextures[10];
unsigned int SplashTexture;

unsigned int *textureSlot(const TextureEntry &entry) {
    switch (entry.table) {
    case TextureTable::Splash:
        return &SplashTexture;
    case TextureTable::Tiles:
        return &TileTextures[entry.slot];
    case TextureTable::Models:
        break;
    }
    return &ModelTextures[entry.slot];
}
