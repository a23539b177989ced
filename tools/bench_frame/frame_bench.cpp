// frame_bench.cpp: what one play frame costs at 800 x 600, both cows in the busiest part of
// the farm: median milliseconds of each step (rules update, HUD, cows, terrain, objects,
// beacons; both halves summed), of the whole frame, and the process's CPU time per frame.
// Run in the data folder under Xvfb (tools/bench_frame/bench_frame.sh does both).
#include "farm_scene.h"
#include "gl_harness.h"
#include "hud/hud.h"
#include "shell/game.h"
#include "rules/cow.h"
#include "shell/camera.h"
#include "models/draw_passes.h"
#include "world/grids.h"

#include <GL/gl.h>
#include <string>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int PhaseCount = 6;
const char *const PhaseNames[PhaseCount] = {"update",  "hud",     "cows",
                                            "terrain", "objects", "beacons"};
constexpr int IntroOver = 200; // HUD passes after which the play panel shows

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

} // namespace

int main(int argc, char **argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200;
    legacyPasses = argc > 2 && std::string(argv[2]) == "--legacy"; // everything, call by call
    if (frames <= 0 || (argc > 2 && !legacyPasses)) {
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

    std::vector<double> phaseCpu[PhaseCount], phaseWall[PhaseCount], frameCpu, frameWall;
    for (int i = 0; i < frames; i++) {
        std::fill(phaseCost, phaseCost + PhaseCount, Stamp{0, 0});
        glFinish();
        const Stamp frameStart = now();
        phaseStart = frameStart;
        playFrame();
        glFinish();
        const Stamp frameEnd = now();
        frameCpu.push_back(frameEnd.cpu - frameStart.cpu);
        frameWall.push_back(frameEnd.wall - frameStart.wall);
        for (int p = 0; p < PhaseCount; p++) {
            phaseCpu[p].push_back(phaseCost[p].cpu);
            phaseWall[p].push_back(phaseCost[p].wall);
        }
    }

    std::printf("%s play frame at 800 x 600, %d frames; cow 1 at (%d, %d) with %d objects in view, "
                "cow 2 at (%d, %d) with %d\n",
                legacyPasses ? "legacy" : "current", frames, cell1.column, cell1.row, cell1.objects,
                cell2.column, cell2.row, cell2.objects);
    std::printf("  median ms   CPU (all threads)   elapsed\n");
    for (int p = 0; p < PhaseCount; p++)
        std::printf("  %-8s    %8.2f          %8.2f\n", PhaseNames[p], median(phaseCpu[p]),
                    median(phaseWall[p]));
    std::printf("  %-8s    %8.2f          %8.2f   (target: CPU <= 10 ms; budget 51 ms)\n", "frame",
                median(frameCpu), median(frameWall));
    return 0;
}
