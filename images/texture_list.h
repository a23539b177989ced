// texture_list.h: the texture catalogue, written once: each BMP file, the slot it fills and the
// start-up routine that loads it, in load order. The texture loader, the asset generator, the
// build's list of generated files and the tests all read this list.
#pragma once

// ModelTextures slots.
enum ModelTextureSlot {
    TexTriTree = 0,
    TexBark = 1,
    TexCowSpots = 2,
    TexWhite = 3,
    TexHorns = 4,
    TexCowHide = 5,
    TexHayRound = 6,
    TexHaySide = 7,
    TexRock1 = 8,
    TexRock2 = 9,
    TexRock3 = 10,
    TexBigPill = 11,
    TexHeadPill = 12,
    TexSnail = 13,
    TexSilo = 14,
    TexSiloTop = 15,
    TexBlank = 16,
    TexBarn = 17,
};

// TileTextures slots.
enum TileTextureSlot { TileGrass = 0, TileDirt = 1, TileWater = 2, TileWall = 9 };

// The table a catalogue file fills.
enum class TextureTable { Splash, Tiles, Models };

// The start-up routine that loads a catalogue file (they run in this order).
enum class TextureGroup { Splash, Tiles, Scenery, Cows };

struct TextureEntry {
    TextureGroup group;
    TextureTable table;
    int slot;         // index into the table (0 for the splash texture)
    const char *file; // relative to the data folder
};

constexpr TextureEntry TextureCatalogue[] = {
    {TextureGroup::Splash, TextureTable::Splash, 0, "splashscreen.bmp"},
    {TextureGroup::Tiles, TextureTable::Tiles, TileGrass, "tiles/grass.bmp"},
    {TextureGroup::Tiles, TextureTable::Tiles, TileDirt, "tiles/dirt.bmp"},
    {TextureGroup::Tiles, TextureTable::Tiles, TileWater, "tiles/water2a.bmp"},
    {TextureGroup::Tiles, TextureTable::Tiles, TileWall, "tiles/x.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexTriTree, "textures/tritree64.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexBark, "textures/bark64.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexHayRound, "textures/hayround.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexHaySide, "textures/hay2B.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexRock1, "textures/rock1.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexRock2, "textures/rock2.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexRock3, "textures/rock3.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexBigPill, "textures/big_pillx.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexHeadPill, "textures/head_pillx2.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexSnail, "textures/snail1.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexSilo, "textures/silo1.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexSiloTop, "textures/silo_top.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexBlank, "textures/blank.bmp"},
    {TextureGroup::Scenery, TextureTable::Models, TexBarn, "textures/Barn.bmp"},
    {TextureGroup::Cows, TextureTable::Models, TexCowSpots, "textures/cowspots.bmp"},
    {TextureGroup::Cows, TextureTable::Models, TexWhite, "textures/white.bmp"},
    {TextureGroup::Cows, TextureTable::Models, TexHorns, "textures/horns.bmp"},
    {TextureGroup::Cows, TextureTable::Models, TexCowHide, "textures/cowhide.bmp"},
};

constexpr int TextureCatalogueSize = sizeof TextureCatalogue / sizeof TextureCatalogue[0];
