// controls_file.cpp: finding, reading and reporting the controls file, and --print-controls.
#include "shell/controls_file.h"
#include "input/controls.h"
#include "shell/config_files.h"

#include <cstdio>

std::string controlsFilePath() {
    return configFilePath("controls.conf");
}

void loadControlsFile() {
    std::string text;
    if (!readConfigFile(controlsFilePath(), "controls.conf", text))
        return;
    std::vector<ControlsProblem> problems;
    Controls controls = readControls(text, problems);
    for (const ControlsProblem &problem : problems)
        std::fprintf(stderr, "controls.conf, line %d: %s\n", problem.line, problem.reason.c_str());
    setControls(controls);
}
