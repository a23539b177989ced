// main.cpp: pasturon-replay MAP_FILE INPUT_SCRIPT: the game's rules on a map, driven by a
// script of held keys, with no window and no audio device; a JSON Lines trace per frame.
#include "audio/sound.h"
#include "rules/console.h"
#include "rules/cow.h"
#include "input/keys.h"
#include "tools/replay/script.h"
#include "tools/replay/trace.h"
#include "world/grids.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int ExitRefusedMap = 1; // the loader refused the map
constexpr int ExitBadInput = 2;   // wrong arguments, unreadable file, bad script line

FrameEvents events; // what the current frame did, filled by the hooks

void recordSound(SoundAction action, Sound sound) {
    const char *verb = action == SoundAction::Play     ? "play"
                       : action == SoundAction::Resume ? "resume"
                                                       : "stop";
    events.sounds.push_back(std::string("[\"") + verb + "\",\"" + soundName(sound) + "\"]");
}

void recordRemoved(int column, int row) {
    events.removed.push_back("[" + std::to_string(column) + "," + std::to_string(row) + "]");
}

void recordConsole(const char *text) {
    events.console += text;
}

// The whole of a file, or false (errno set) when it cannot be read.
bool readFile(const char *path, std::string &text) {
    FILE *file = std::fopen(path, "rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

int fail(const std::string &message) {
    std::fprintf(stderr, "pasturon-replay: %s\n", message.c_str());
    return ExitBadInput;
}

// The ground following that drawing performs: each half whose world view is shown (its
// player's controls key up) places both cows.
void followGroundAsDrawn() {
    for (const Cow *half : {cow1, cow2})
        if (!isKeyDown(half->keyControls)) {
            followGround(cow1);
            followGround(cow2);
        }
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3)
        return fail("usage: pasturon-replay MAP_FILE INPUT_SCRIPT");
    std::string mapText, scriptText;
    if (!readFile(argv[1], mapText))
        return fail(std::string("cannot read ") + argv[1] + ": " + std::strerror(errno));
    if (!readFile(argv[2], scriptText))
        return fail(std::string("cannot read ") + argv[2] + ": " + std::strerror(errno));
    std::vector<ScriptStep> steps;
    std::string error;
    if (!parseScript(scriptText, steps, error))
        return fail(std::string(argv[2]) + ", " + error);
    if (!loadMap(argv[1]))
        return ExitRefusedMap; // the loader wrote its one line

    soundActionHook = recordSound;
    objectRemovedHook = recordRemoved;
    consoleHook = recordConsole;
    consoleEcho = false; // standard output holds the trace and nothing else

    std::string out;
    long long frame = 0;
    appendTraceLine(out, frame, cow1, cow2, events);
    for (const ScriptStep &step : steps)
        for (long long i = 0; i < step.frames; i++) {
            events.clear();
            releaseAllKeys();
            for (int code : step.keys)
                setKeyDown(code, true);
            updateCow(cow1);
            updateCow(cow2);
            followGroundAsDrawn();
            appendTraceLine(out, ++frame, cow1, cow2, events);
            if (out.size() > (1 << 16)) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    freeWorld();
    return 0;
}
