// textures.cpp: the texture catalogue: 23 BMP files, each uploaded once at start-up into its
// fixed slot as a mipmapped texture.
#include "images/textures.h"
#include "images/bmp.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>
#include <iterator>

unsigned int ModelTextures[20];
unsigned int TileTextures[10];
unsigned int SplashTexture;

namespace {

// One catalogue row: the file and the slot it fills.
struct CatalogueRow {
    const char *fileName;
    unsigned int *table;
    int slot;
};

const CatalogueRow SplashRows[] = {
    {"splashscreen.bmp", &SplashTexture, 0},
};

const CatalogueRow TileRows[] = {
    {"tiles/grass.bmp", TileTextures, TileGrass},
    {"tiles/dirt.bmp", TileTextures, TileDirt},
    {"tiles/water2a.bmp", TileTextures, TileWater},
    {"tiles/x.bmp", TileTextures, TileWall},
};

const CatalogueRow SceneryRows[] = {
    {"textures/tritree64.bmp", ModelTextures, TexTriTree},
    {"textures/bark64.bmp", ModelTextures, TexBark},
    {"textures/hayround.bmp", ModelTextures, TexHayRound},
    {"textures/hay2B.bmp", ModelTextures, TexHaySide},
    {"textures/rock1.bmp", ModelTextures, TexRock1},
    {"textures/rock2.bmp", ModelTextures, TexRock2},
    {"textures/rock3.bmp", ModelTextures, TexRock3},
    {"textures/big_pillx.bmp", ModelTextures, TexBigPill},
    {"textures/head_pillx2.bmp", ModelTextures, TexHeadPill},
    {"textures/snail1.bmp", ModelTextures, TexSnail},
    {"textures/silo1.bmp", ModelTextures, TexSilo},
    {"textures/silo_top.bmp", ModelTextures, TexSiloTop},
    {"textures/blank.bmp", ModelTextures, TexBlank},
    {"textures/Barn.bmp", ModelTextures, TexBarn},
};

const CatalogueRow CowRows[] = {
    {"textures/cowspots.bmp", ModelTextures, TexCowSpots},
    {"textures/white.bmp", ModelTextures, TexWhite},
    {"textures/horns.bmp", ModelTextures, TexHorns},
    {"textures/cowhide.bmp", ModelTextures, TexCowHide},
};

// Load each row in order; a row that fails leaves its slot 0 and the next one goes on.
template <size_t N> void loadRows(const CatalogueRow (&rows)[N]) {
    for (const CatalogueRow &row : rows)
        loadTexture(row.fileName, row.table, row.slot);
}

} // namespace

bool loadTexture(const char *fileName, unsigned int *table, int slot) {
    if (!fileName)
        return false;
    ImageRecord *image = loadBmpImage(fileName);
    if (!image)
        return false;
    glGenTextures(1, &table[slot]);
    glBindTexture(GL_TEXTURE_2D, table[slot]);
    // the rows are width x 3 bytes with no padding: unpack them byte-aligned
    GLint alignment;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                      image->pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    std::free(image->pixels);
    std::free(image);
    return true;
}

const char *textureCatalogueFile(int index) {
    const CatalogueRow *groups[] = {SplashRows, TileRows, SceneryRows, CowRows};
    const int sizes[] = {
        static_cast<int>(std::size(SplashRows)), static_cast<int>(std::size(TileRows)),
        static_cast<int>(std::size(SceneryRows)), static_cast<int>(std::size(CowRows))};
    for (int g = 0; g < 4; g++) {
        if (index >= 0 && index < sizes[g])
            return groups[g][index].fileName;
        index -= sizes[g];
    }
    return nullptr;
}

void loadSplashTexture() {
    loadRows(SplashRows);
}
void loadTileTextures() {
    loadRows(TileRows);
}
void loadSceneryTextures() {
    loadRows(SceneryRows);
}
void loadCowTextures() {
    loadRows(CowRows);
}
