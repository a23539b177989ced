// textures.cpp: the texture catalogue's upload: each BMP file once at start-up into its fixed
// slot as a mipmapped texture.
#include "images/textures.h"
#include "images/bmp.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>

namespace {

// Load every catalogue entry of `group` in order; one that fails leaves its slot 0 and the
// next one goes on.
void loadGroup(TextureGroup group) {
    for (const TextureEntry &entry : TextureCatalogue)
        if (entry.group == group)
            loadTexture(entry.file, textureSlot(entry), 0);
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
    return index >= 0 && index < TextureCatalogueSize ? TextureCatalogue[index].file : nullptr;
}

void loadSplashTexture() {
    loadGroup(TextureGroup::Splash);
}
void loadTileTextures() {
    loadGroup(TextureGroup::Tiles);
}
void loadSceneryTextures() {
    loadGroup(TextureGroup::Scenery);
}
void loadCowTextures() {
    loadGroup(TextureGroup::Cows);
}
