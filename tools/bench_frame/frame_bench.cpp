// frame_bench.cpp: what one play frame costs at 800 x 600, both cows in the busiest part of
// the farm, against the floor (one textured quad filling each half, in the game's state), in
// the same run: the frame as the game draws it now and as it drew before each lever, taken in
// turn so that the machine's load falls on all of them alike. Prints medians of process CPU
// time (all threads, the renderer's included) and of elapsed time, each frame's ratio to the
// floor, and the steps (rules update, HUD, cows, terrain, objects, beacons; both halves summed).
// Run in the data folder under Xvfb (tools/bench_frame/bench_frame.sh does both).
#include "farm_scene.h"
#include "gl_harness.h"
#include "hud/fonts.h"
#include "hud/hud.h"
#include "images/texture_slots.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "shell/detail.h"
#include "shell/game.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

constexpr int PhaseCount = 6;
const char *const PhaseNames[PhaseCount] = {"update",  "hud",     "cows",
                                            "terrain", "objects", "beacons"};
constexpr int IntroOver = 200;           // HUD passes after which the play panel shows
constexpr int HeapKeptBytes = 256 << 20; // no trimming of the heap under display lists
constexpr int WarmUpFrames = 3;          // per setup, not counted (lazy uploads)

// A moment on both clocks, in milliseconds.
struct Stamp {
    double cpu;  // process CPU time, all threads (the renderer's included)
    double wall; // elapsed time
};

Stamp now() {
    timespec cpu, wall;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    clock_gettime(CLOCK_MONOTONIC, &wall);
    return {cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6, wall.tv_sec * 1000.0 + wall.tv_nsec / 1e6};
}

// One way of drawing the frame: the levers as they stood at some step.
struct Setup {
    const char *name;
    bool legacy, cut, objectsFirst;
    int font;
    Detail detail;
};
const Setup Setups[] = {
    {"legacy passes", true, false, false, ExtrudedFontSlot, Detail::High},
    {"before (full skirts)", false, false, false, ExtrudedFontSlot, Detail::High},
    {"skirts cut", false, true, false, ExtrudedFontSlot, Detail::High},
    {"+ objects first", false, true, true, ExtrudedFontSlot, Detail::High},
    {"+ polygon font (high)", false, true, true, PolygonFontSlot, Detail::High},
    {"low detail", false, true, true, PolygonFontSlot, Detail::Low},
};
constexpr int SetupCount = static_cast<int>(std::size(Setups));
constexpr int Legacy = 0, Before = 1, Now = SetupCount - 2, Low = SetupCount - 1;

void apply(const Setup &setup) {
    legacyPasses = setup.legacy;
    cutSkirts = setup.cut;
    objectsFirst = setup.objectsFirst;
    CurrentFont = setup.font;
    if (currentDetail() != setup.detail)
        setDetail(setup.detail);
}

// Costs gathered for one setup.
struct Costs {
    std::vector<double> cpu, wall;
    std::vector<double> phaseCpu[PhaseCount], phaseWall[PhaseCount];
};

Stamp phaseStart;
Stamp phaseCost[PhaseCount]; // this frame, both halves summed

// Let the renderer finish the step, then book its cost.
void timePhase(DrawPhase finished) {
    glFinish();
    const Stamp t = now();
    Stamp &cost = phaseCost[static_cast<int>(finished)];
    cost.cpu += t.cpu - phaseStart.cpu;
    cost.wall += t.wall - phaseStart.wall;
    phaseStart = t;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The floor: each half filled with one textured, depth-tested quad, as the game's state has it.
void drawFloor() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (const HalfViewport &half :
         {rightHalf(windowWidth, windowHeight), leftHalf(windowWidth, windowHeight)}) {
        glViewport(half.x, 0, half.width, windowHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glBindTexture(GL_TEXTURE_2D, TileTextures[TileGrass]);
        glEnable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(-1, -1);
        glTexCoord2f(8, 0);
        glVertex2f(1, -1);
        glTexCoord2f(8, 8);
        glVertex2f(1, 1);
        glTexCoord2f(0, 8);
        glVertex2f(-1, 1);
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
}

// Time `draw` from a finished renderer to a finished renderer.
template <typename Draw> Stamp timed(Draw draw) {
    glFinish();
    const Stamp start = now();
    phaseStart = start;
    draw();
    glFinish();
    const Stamp end = now();
    return {end.cpu - start.cpu, end.wall - start.wall};
}

void playSetup(const Setup &setup, Costs *costs) {
    apply(setup);
    std::fill(phaseCost, phaseCost + PhaseCount, Stamp{0, 0});
    const Stamp cost = timed(playFrame);
    if (!costs)
        return;
    costs->cpu.push_back(cost.cpu);
    costs->wall.push_back(cost.wall);
    for (int p = 0; p < PhaseCount; p++) {
        costs->phaseCpu[p].push_back(phaseCost[p].cpu);
        costs->phaseWall[p].push_back(phaseCost[p].wall);
    }
}

} // namespace

int main(int argc, char **argv) {
    mallopt(M_TRIM_THRESHOLD, HeapKeptBytes); // steadier figures: see BENCHMARKS.md
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200;
    const bool withLegacy = argc > 2 && std::string(argv[2]) == "--legacy";
    if (frames <= 0 || (argc > 2 && !withLegacy)) {
        std::fprintf(stderr, "usage: frame_bench [FRAMES [--legacy]]  (run in the data folder)\n");
        return 2;
    }
    if (!startFarm(".")) // sounds (null device), font, camera, textures, the farm map, GL state
        return 1;
    ViewCell cell1, cell2;
    busiestPair(&cell1, &cell2);
    if (cell1.objects < 0 || cell2.objects < 0) {
        std::fprintf(stderr, "the map has no free cells for the cows\n");
        return 1;
    }
    placeCow(cow1, cell1.column, cell1.row);
    placeCow(cow2, cell2.column, cell2.row);
    hudIntroCounter = IntroOver;
    drawPhaseHook = timePhase;

    const int first = withLegacy ? Legacy : Before;
    Costs costs[SetupCount], floor;
    for (int i = 0; i < WarmUpFrames; i++)
        for (int s = first; s < SetupCount; s++)
            playSetup(Setups[s], nullptr);
    for (int i = 0; i < frames; i++) {
        for (int s = first; s < SetupCount; s++)
            playSetup(Setups[s], &costs[s]);
        const Stamp cost = timed(drawFloor);
        floor.cpu.push_back(cost.cpu);
        floor.wall.push_back(cost.wall);
    }
    apply(Setups[Now]);

    std::printf("play frame at 800 x 600, %d frames of each setup in turn; cow 1 at (%d, %d) with "
                "%d objects in view, cow 2 at (%d, %d) with %d\n",
                frames, cell1.column, cell1.row, cell1.objects, cell2.column, cell2.row,
                cell2.objects);
    const double floorCpu = median(floor.cpu), floorWall = median(floor.wall);
    std::printf(
        "  median ms                  CPU (all threads)  elapsed   x floor: CPU  elapsed\n");
    std::printf("  %-24s   %8.2f        %8.2f\n", "floor (a quad per half)", floorCpu, floorWall);
    for (int s = first; s < SetupCount; s++) {
        const double cpu = median(costs[s].cpu), wall = median(costs[s].wall);
        std::printf("  %-24s   %8.2f        %8.2f      %6.2f   %6.2f\n", Setups[s].name, cpu, wall,
                    cpu / floorCpu, wall / floorWall);
    }
    std::printf("  steps, median ms CPU / elapsed: %s | %s | %s\n", Setups[Before].name,
                Setups[Now].name, Setups[Low].name);
    for (int p = 0; p < PhaseCount; p++) {
        std::printf("  %-8s", PhaseNames[p]);
        for (int s : {Before, Now, Low})
            std::printf("  %7.2f / %7.2f  ", median(costs[s].phaseCpu[p]),
                        median(costs[s].phaseWall[p]));
        std::printf("\n");
    }
    std::printf("  (terrain includes the objects drawn before the ground)\n");
    return 0;
}
