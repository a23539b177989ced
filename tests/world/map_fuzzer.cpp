// map_fuzzer.cpp: the map loader against arbitrary bytes. Every accepted map must build a
// world the game can rely on, every teardown must leave the grids empty, and nothing may
// read or write outside the grids or leak (the sanitizers watch).
#include "rules/kind_rules.h"
#include "tests/world/map_text.h"
#include "world/grids.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // refusals are expected by the thousand: keep them out of the fuzzer's log (the fuzzer
    // and the sanitizers report through their own handle on standard error)
    stderr = std::fopen("/dev/null", "w");
    bindRuleKinds(); // the cows, as every program that loads a map makes them
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::string text(reinterpret_cast<const char *>(data), size);
    if (loadMapText(text) && !worldIsConsistent())
        std::abort();
    freeWorld();
    for (int c = 0; c < GridSize; c++)
        for (int r = 0; r < GridSize; r++)
            if (TileGrid[c][r] || ObjectGrid[c][r])
                std::abort();
    return 0;
}
