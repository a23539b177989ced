// confirmed_trace.cpp: each tick's trace line kept from its last run, written once confirmed.
#include "net/confirmed_trace.h"
#include "world/grids.h"

namespace {
constexpr size_t HeldBackBytes = 1 << 16; // trace text written out in pieces of about this
}

ConfirmedTrace::ConfirmedTrace(FILE *file) : file(file) {
    appendTraceLine(heldBack, 0, cow1, cow2, events);
}

ConfirmedTrace::~ConfirmedTrace() {
    listenToFrameEvents(nullptr);
    std::fwrite(heldBack.data(), 1, heldBack.size(), file);
    std::fflush(file);
}

void ConfirmedTrace::beginTick() {
    events.clear();
    listenToFrameEvents(&events);
}

void ConfirmedTrace::endTick(long long tick) {
    listenToFrameEvents(nullptr);
    std::string &line = lines[tick % Window];
    line.clear();
    appendTraceLine(line, tick, cow1, cow2, events);
}

void ConfirmedTrace::confirm(long long tick) {
    heldBack += lines[tick % Window];
    if (heldBack.size() > HeldBackBytes) {
        std::fwrite(heldBack.data(), 1, heldBack.size(), file);
        heldBack.clear();
    }
}
