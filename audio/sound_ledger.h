// sound_ledger.h: the sound device kept in step with ticks that are run again. While attached
// it stands between the sound layer and the device: it records what every tick did to each
// sound, keeps the device silent while ticks are run again, and afterwards brings the device
// to the state the corrected ticks give (stops what a wrong prediction started, starts what
// the corrected ticks start, leaves alone what both did).
#pragma once

#include "audio/sound.h"

class SoundLedger {
  public:
    static constexpr int Window = 32; // ticks remembered; a rollback reaches back fewer than this

    // Put the ledger between the sound layer and the backend in force now (maybe none), and
    // take it out again. Actions sent while attached but outside a tick reach the device as ever.
    void attach();
    void detach();

    // Around each run of a tick: `again` when the tick is run again after a rollback (the
    // device hears nothing then).
    void beginTick(long long tick, bool again);
    void endTick();
    // Ticks from `tick` on are about to be run again: forget what their first runs did.
    void rollBack(long long tick);
    // After the ticks run again: stop, start or resume on the device what differs from the
    // state the corrected ticks give.
    void reconcile();

    // What the ledger's backend calls with every action while it is attached.
    void act(SoundAction action, Sound sound);

  private:
    // What one sound's source is doing by its last action.
    struct SourceState {
        SoundAction action = SoundAction::Stop;
        long long tick = -1; // the tick of that action (-1: before any tick)
    };
    struct Sources {
        SourceState of[SoundCount];
    };
    void send(SoundAction action, Sound sound); // to the device, if there is one

    const SoundBackend *device = nullptr; // the backend attach() found
    Sources rules;                        // what the ticks as run now say
    Sources heard;                        // what the device was told
    Sources before[Window];               // `rules` at the start of each tick, by tick % Window
    long long tick = -1;                  // the tick running, -1 between ticks
    long long rolledBackTo = -1;          // the first tick run again since the last reconcile
    bool again = false;                   // the running tick is a re-run
};
