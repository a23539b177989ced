// controls_file.cpp: finding, reading and reporting the controls file, and --print-controls.
#include "shell/controls_file.h"
#include "input/controls.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {
constexpr off_t MaxControlsFileBytes = 64 * 1024; // far more than every binding takes
}

std::string controlsFilePath() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && config[0] == '/') // a relative XDG_CONFIG_HOME is not to be used
        folder = config;
    else if (const char *home = std::getenv("HOME"); home && home[0] == '/')
        folder = std::string(home) + "/.config";
    else
        return ""; // nowhere to look: the defaults
    return folder + "/pasturon/controls.conf";
}

void loadControlsFile() {
    const std::string path = controlsFilePath();
    struct stat status;
    if (path.empty() || stat(path.c_str(), &status) != 0)
        return; // no file: the defaults
    // a fifo would block the start-up, a device could be read without end
    if (!S_ISREG(status.st_mode) || status.st_size > MaxControlsFileBytes) {
        std::fprintf(stderr, "controls.conf: %s; the default controls are used\n",
                     S_ISREG(status.st_mode) ? "larger than 64 KiB" : "not a regular file");
        return;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<ControlsProblem> problems;
    Controls controls = readControls(text.str(), problems);
    for (const ControlsProblem &problem : problems)
        std::fprintf(stderr, "controls.conf, line %d: %s\n", problem.line, problem.reason.c_str());
    setControls(controls);
}
