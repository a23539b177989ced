// controls_file.cpp: finding, reading and reporting the controls file, and --print-controls.
#include "shell/controls_file.h"
#include "input/controls.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

std::string controlsFilePath() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && config[0] == '/') // a relative XDG_CONFIG_HOME is not to be used
        folder = config;
    else if (const char *home = std::getenv("HOME"))
        folder = std::string(home) + "/.config";
    else
        folder = ".config";
    return folder + "/pasturon/controls.conf";
}

void loadControlsFile() {
    std::ifstream file(controlsFilePath(), std::ios::binary);
    if (!file)
        return; // no file: the defaults
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<ControlsProblem> problems;
    Controls controls = readControls(text.str(), problems);
    for (const ControlsProblem &problem : problems)
        std::fprintf(stderr, "controls.conf, line %d: %s\n", problem.line, problem.reason.c_str());
    setControls(controls);
}
