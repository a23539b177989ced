// model_bench.cpp: what each model costs to draw, in milliseconds per draw: once where the
// chase camera shows a cow (as large as the nearest objects of play), once into a one-pixel
// viewport (the calls and the geometry without the pixels). With the number of each kind in
// the busiest view of the farm, this says where the object pass spends its time.
// Run in the data folder under Xvfb (BENCHMARKS.md gives the command).
#include "gl_harness.h"
#include "images/texture_slots.h"
#include "models/draw_handlers.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "shell/game.h"
#include "world/draw_passes.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Runs = 7; // the median of these is printed

// One model kind: its map character and the routine that draws it.
struct ModelKind {
    char kind;
    const char *name;
    void (*draw)(int column, int row);
};

const ModelKind Kinds[] = {
    {'1', "profile cow", drawProfileCow},
    {'2', "quadric cow", drawQuadricCow},
    {'B', "barn", drawBarn},
    {'I', "silo", drawSilo},
    {'T', "tree", drawTree},
    {'#', "fence", drawFence},
    {'F', "tall fence", drawTallFence},
    {'o', "rock", drawRock},
    {'\\', "gate", drawGateOfCow1},
    {'*', "hay bale", drawHayBale},
    {'+', "pill", drawGrowPill},
    {'!', "syringe", drawSyringeItem},
};

// Objects of `kind` in the cells the object pass visits around cow 1.
int countAround(char kind) {
    const VisibleWindow w = visibleWindow(cow1);
    int count = 0;
    for (int r = w.rowBegin; r < w.rowEnd; r++)
        for (int c = w.columnBegin; c < w.columnEnd; c++)
            count += ObjectGrid[c][r] && ObjectGrid[c][r]->kind == kind;
    return count;
}

// The first cell of the map holding `kind` (fences and gates then find real neighbours).
void firstCellOf(char kind, int *column, int *row) {
    *column = *row = 0;
    for (int c = 0; c < mapColumns; c++)
        for (int r = 0; r < mapRows; r++)
            if (ObjectGrid[c][r] && ObjectGrid[c][r]->kind == kind) {
                *column = c, *row = r;
                return;
            }
}

// The right half's view of cow 1, in a viewport of `width` x `height` pixels.
void viewCow1(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, 400.0 / 600.0, 1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    chaseCamera(cow1);
    mirrorWorld();
}

// Milliseconds per draw of `model`, `draws` times over, at cow 1's cell.
double msPerDraw(const ModelKind &model, int draws, int width, int height) {
    int column, row;
    firstCellOf(model.kind, &column, &row);
    std::vector<double> runs;
    for (int run = 0; run < Runs; run++) {
        beginTestFrame();
        viewCow1(width, height);
        glDepthFunc(GL_LEQUAL); // every repeat is drawn in full, as a new object would be
        glFinish();
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < draws; i++) {
            glEnable(GL_TEXTURE_2D);
            glColor3f(1, 1, 1);
            glPushMatrix();
            if (model.kind != '1' && model.kind != '2') // cows place themselves
                glTranslated(cow1->x, cow1->y, cow1->z);
            model.draw(column, row);
            glPopMatrix();
        }
        glFinish();
        runs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count() /
                       draws);
        glDepthFunc(GL_LESS);
        glFrontFace(GL_CCW);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    const int draws = argc > 1 ? std::atoi(argv[1]) : 50;
    if (draws <= 0) {
        std::fprintf(stderr, "usage: model_bench [DRAWS]  (run in the data folder)\n");
        return 2;
    }
    openTestWindow(800, 600);
    initGame(); // textures, the farm map, camera defaults, GL state
    // cow 1 where the most objects are in view, as in the play-frame benchmark
    int bestColumn = 0, bestRow = 0, best = -1;
    for (int r = 0; r < mapRows; r++)
        for (int c = 0; c < mapColumns; c++) {
            if (ObjectGrid[c][r])
                continue;
            cow1->x = c + 0.5f, cow1->y = r + 0.5f;
            int n = 0;
            for (const ModelKind &model : Kinds)
                n += countAround(model.kind);
            if (n > best)
                best = n, bestColumn = c, bestRow = r;
        }
    cow1->x = bestColumn + 0.5f, cow1->y = bestRow + 0.5f;
    followGround(cow1);

    std::printf("models at cow 1's cell (%d, %d), %d draws per run, median of %d runs\n",
                bestColumn, bestRow, draws, Runs);
    std::printf("  %-12s %10s %10s %8s %12s\n", "model", "in view", "1 pixel", "in view",
                "geometry of");
    std::printf("  %-12s %10s %10s %8s %12s\n", "", "ms/draw", "ms/draw", "count", "all, ms");
    double total = 0;
    for (const ModelKind &model : Kinds) {
        const double inView = msPerDraw(model, draws, 400, 600);
        const double geometry = msPerDraw(model, draws, 1, 1);
        const int count = countAround(model.kind);
        total += count * geometry;
        std::printf("  %-12s %10.3f %10.3f %8d %12.2f\n", model.name, inView, geometry, count,
                    count * geometry);
    }
    std::printf("  geometry of one object pass in that view: %.2f ms (the pass runs per half)\n",
                total);
    return 0;
}
