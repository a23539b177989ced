// texture_slots.h: the texture slots every drawing and the tile kinds read: GL texture names,
// 0 where nothing was loaded. Plain numbers, so code without a GL context may copy them.
#pragma once

#include "images/texture_list.h"

// --- Filled once at start-up, live until the process ends ---
extern unsigned int ModelTextures[20]; // scenery, items, cows; slots 18 and 19 stay 0
extern unsigned int TileTextures[10];  // slots 0, 1, 2, 9 filled
extern unsigned int SplashTexture;     // the splash screen

// The slot a catalogue entry fills.
unsigned int *textureSlot(const TextureEntry &entry);
