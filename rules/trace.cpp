// trace.cpp: the trace as JSON Lines: formatting a frame, and the trace a run writes.
#include "rules/trace.h"
#include "audio/sound.h"
#include "rules/console.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "world/grids.h"

#include <charconv>
#include <cstdio>

char *formatTraceFloat(char *text, float value) {
    return std::to_chars(text, text + 32, value, std::chars_format::general, 9).ptr;
}

void FrameEvents::clear() {
    sounds.clear();
    removed.clear();
    console.clear();
}

namespace {

void appendName(std::string &out, const char *name) {
    out += '"';
    out += name;
    out += "\":";
}

void appendFloat(std::string &out, const char *name, float value) {
    appendName(out, name);
    char text[32];
    out.append(text, formatTraceFloat(text, value));
    out += ',';
}

void appendInt(std::string &out, const char *name, long long value) {
    appendName(out, name);
    char text[32];
    char *end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end);
    out += ',';
}

void appendFlag(std::string &out, const char *name, bool value) {
    appendName(out, name);
    out += value ? "true," : "false,";
}

// A JSON string literal of raw text.
void appendString(std::string &out, const std::string &text) {
    out += '"';
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendList(std::string &out, const std::vector<std::string> &items) {
    out += '[';
    for (size_t i = 0; i < items.size(); i++) {
        if (i)
            out += ',';
        out += items[i];
    }
    out += ']';
}

void appendCow(std::string &out, const Cow *cow) {
    out += '{';
    appendFloat(out, "x", cow->x);
    appendFloat(out, "y", cow->y);
    appendFloat(out, "z", cow->z);
    appendInt(out, "facing", cow->facing);
    appendFloat(out, "dirX", cow->dirX);
    appendFloat(out, "dirY", cow->dirY);
    appendFloat(out, "speed", cow->speed);
    appendFloat(out, "maxSpeed", cow->maxSpeed);
    appendFlag(out, "jumping", cow->jumping);
    appendFloat(out, "jumpHeight", cow->jumpHeight);
    appendFloat(out, "jumpPhase", cow->jumpPhase);
    appendFloat(out, "groundHeight", cow->groundHeight);
    appendFlag(out, "butting", cow->butting);
    appendFloat(out, "buttSteps", cow->buttSteps);
    appendFloat(out, "stamina", cow->stamina);
    appendFlag(out, "stunned", cow->stunned);
    appendInt(out, "stunTimer", cow->stunTimer);
    appendFlag(out, "big", cow->big);
    appendFloat(out, "modelScale", modelScaleOf(cow));
    appendFlag(out, "recovering", cow->recovering);
    appendFlag(out, "inWater", cow->inWater);
    appendFlag(out, "leftWater", cow->leftWater);
    appendInt(out, "carriedHay", cow->carriedHay);
    appendInt(out, "bankedHay", cow->bankedHay);
    appendFlag(out, "won", cow->won);
    appendFlag(out, "gateBroken", cow->gateBroken);
    appendFlag(out, "atOwnGate", cow->atOwnGate);
    appendFlag(out, "blocked", cow->blocked);
    appendFlag(out, "syringe", cow->carriedEffect == slowDown);
    out.back() = '}'; // replaces the last comma
}

} // namespace

void appendTraceLine(std::string &out, long long frame, const Cow *first, const Cow *second,
                     const FrameEvents &events) {
    out += '{';
    appendInt(out, "frame", frame);
    out += "\"cows\":[";
    appendCow(out, first);
    out += ',';
    appendCow(out, second);
    out += "],\"sounds\":";
    appendList(out, events.sounds);
    out += ",\"removed\":";
    appendList(out, events.removed);
    out += ",\"console\":";
    appendString(out, events.console);
    out += "}\n";
}

namespace {

FrameEvents *listening; // where the hooks record, null when they are off

void recordSound(SoundAction action, Sound sound) {
    const char *verb = action == SoundAction::Play     ? "play"
                       : action == SoundAction::Resume ? "resume"
                                                       : "stop";
    listening->sounds.push_back(std::string("[\"") + verb + "\",\"" + soundName(sound) + "\"]");
}

void recordRemoved(int column, int row) {
    listening->removed.push_back("[" + std::to_string(column) + "," + std::to_string(row) + "]");
}

void recordConsole(const char *text) {
    listening->console += text;
}

} // namespace

void listenToFrameEvents(FrameEvents *events) {
    listening = events;
    soundActionHook = events ? recordSound : nullptr;
    objectRemovedHook = events ? recordRemoved : nullptr;
    consoleHook = events ? recordConsole : nullptr;
}

namespace {

constexpr size_t HeldBackBytes = 1 << 16; // trace text written out in pieces of about this

// --- The trace being written: from startTrace to finishTrace ---
FILE *traceFile;
std::string heldBack; // lines not yet written
long long traceFrame; // the frame of the last line
FrameEvents events;   // what the current tick did, filled by the hooks

void writeHeldBack() {
    std::fwrite(heldBack.data(), 1, heldBack.size(), traceFile);
    heldBack.clear();
}

} // namespace

void startTrace(FILE *file) {
    traceFile = file;
    traceFrame = 0;
    heldBack.clear();
    events.clear();
    listenToFrameEvents(&events);
    appendTraceLine(heldBack, traceFrame, cow1, cow2, events);
}

bool tracing() {
    return traceFile != nullptr;
}

void beginTraceTick() {
    events.clear();
}

void endTraceTick() {
    if (!traceFile)
        return;
    appendTraceLine(heldBack, ++traceFrame, cow1, cow2, events);
    if (heldBack.size() > HeldBackBytes)
        writeHeldBack();
}

void flushTrace() {
    if (!traceFile)
        return;
    writeHeldBack();
    std::fflush(traceFile);
}

void finishTrace() {
    if (!traceFile)
        return;
    writeHeldBack();
    std::fflush(traceFile);
    traceFile = nullptr;
    listenToFrameEvents(nullptr);
}
