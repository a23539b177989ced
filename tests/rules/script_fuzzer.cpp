// script_fuzzer.cpp: the replay script reader on arbitrary bytes: it never crashes, and a
// script it accepts holds only counts of 1 or more and key codes 0..255.
#include "input/script.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<ScriptStep> steps;
    std::string error;
    if (parseScript(std::string(reinterpret_cast<const char *>(data), size), steps, error)) {
        for (const ScriptStep &step : steps) {
            if (step.frames < 1)
                std::abort();
            for (int key : step.keys)
                if (key < 0 || key > 255)
                    std::abort();
        }
    } else if (error.rfind("line ", 0) != 0) {
        std::abort();
    }
    return 0;
}
