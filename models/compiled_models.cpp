// compiled_models.cpp: fixed models compiled once into display lists, and the box each
// object model stays inside (for leaving out objects outside a half's view).
#include "images/textures.h"
#include "models/cow_pose.h"
#include "models/draw_handlers.h"
#include "models/model_parts.h"
#include "models/primitives.h"
#include "rules/cow.h"
#include "models/draw_passes.h"

#include <GL/gl.h>
#include <algorithm>
#include <iterator>

namespace {

// Boxes in the handler's coordinates (cell centre on the ground, cells), with some room to
// spare; worked out from the models' parts and checked by the models' rendered tests.
struct HandlerBox {
    void (*handler)(int, int);
    ModelBox box;
};
const HandlerBox HandlerBoxes[] = {
    {drawTree, {{-1.05f, -1.05f, -0.05f}, {1.05f, 1.05f, 4.5f}}},
    {drawRock, {{-0.45f, -0.45f, -0.4f}, {0.6f, 0.4f, 0.4f}}},
    {drawHayBale, {{-0.8f, -0.8f, 0.15f}, {0.8f, 0.8f, 1.45f}}},
    {drawGrowPill, {{-0.4f, -0.4f, 0.15f}, {0.4f, 0.4f, 1.65f}}},
    {drawHeadPill, {{-0.4f, -0.4f, 0.15f}, {0.4f, 0.4f, 1.65f}}},
    {drawSnailPill, {{-0.4f, -0.4f, 0.15f}, {0.4f, 0.4f, 1.65f}}},
    {drawSyringeItem, {{-2.7f, -2.7f, -0.3f}, {2.7f, 2.7f, 0.9f}}},
    {drawFence, {{-0.65f, -0.65f, -0.05f}, {0.65f, 0.65f, 0.75f}}},
    {drawTallFence, {{-0.65f, -0.65f, -0.1f}, {0.65f, 0.65f, 2.1f}}},
    {drawGateOfCow1, {{-2.0f, -2.0f, 0.6f}, {2.0f, 2.0f, 2.4f}}},
    {drawGateOfCow2, {{-2.0f, -2.0f, 0.6f}, {2.0f, 2.0f, 2.4f}}},
    {drawBarn, {{-4.6f, -3.7f, -0.2f}, {4.6f, 3.7f, 4.6f}}},
    {drawSilo, {{-2.8f, -2.8f, -0.2f}, {2.8f, 3.1f, 7.1f}}},
    {drawNothing, {{0, 0, 0}, {0, 0, 0}}},
};

} // namespace

bool cowInView(const Cow *cow) {
    if (legacyPasses)
        return true;
    const float reach = CowModelReach * modelScaleOf(cow);
    const CowPose pose = drawnPose(cow);
    const float lowest[3] = {pose.x - reach, pose.y - reach, pose.z - reach};
    const float highest[3] = {pose.x + reach, pose.y + reach, pose.z + reach};
    return boxInView(currentViewFrustum(), lowest, highest);
}

const ModelBox *modelBoxOf(void (*handler)(int, int)) {
    for (const HandlerBox &entry : HandlerBoxes)
        if (entry.handler == handler)
            return &entry.box;
    return nullptr;
}

void drawCompiled(CompiledModel &model, void (*build)()) {
    if (legacyPasses) { // the benchmark's comparison: the model drawn call by call
        build();
        return;
    }
    // a list keeps the texture names it bound: compile again when the catalogue changed
    const int kind = lighterModels ? 1 : 0;
    unsigned int &list = model.list[kind];
    unsigned int(&textures)[std::size(ModelTextures)] = model.textures[kind];
    if (!list ||
        !std::equal(std::begin(ModelTextures), std::end(ModelTextures), std::begin(textures))) {
        if (!list)
            list = glGenLists(1);
        std::copy(std::begin(ModelTextures), std::end(ModelTextures), std::begin(textures));
        glNewList(list, GL_COMPILE);
        build();
        glEndList();
    }
    glCallList(list);
}
