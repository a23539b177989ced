// confirmed_trace.h: the trace of a session's confirmed ticks in the replay tool's format. A
// tick may run several times (predicted, then again after a rollback); the line of its last
// run is written once the tick is confirmed.
#pragma once

#include "rules/trace.h"

#include <cstdio>
#include <string>

class ConfirmedTrace {
  public:
    static constexpr int Window = 64; // ticks whose lines are kept until confirmed

    // Write frame 0 (the live state) to `file`.
    explicit ConfirmedTrace(FILE *file);
    ~ConfirmedTrace(); // writes what is held back and flushes; stops listening

    // Around every run of a tick: listen to the rules' sounds, removed cells and console text,
    // then keep the tick's line.
    void beginTick();
    void endTick(long long tick);
    // Write the line of a confirmed tick (ticks confirmed in order, each once).
    void confirm(long long tick);

  private:
    FILE *file;
    FrameEvents events;
    std::string lines[Window]; // by tick % Window
    std::string heldBack;      // written lines not yet flushed
};
