// rollback_session.h: the rollback engine of a two-player session, without any transport. Each
// tick it runs at once with the local cow's keys and the remote cow's keys predicted (its last
// known keys), saves the rules state, and when the remote keys of a tick arrive and differ
// from the prediction, puts back the state before that tick and runs the ticks again up to the
// present, the sound device kept in step. Its inputs and outputs are plain data (tick numbers
// and ActionBits), so a transport only carries them.
//
// Ticks count from 1; tick 0 is the state when the session starts (the map just loaded).
#pragma once

#include "audio/sound_ledger.h"
#include "net/action_bits.h"
#include "rules/rules_state.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

// A checksum of the confirmed state after a tick.
struct TickChecksum {
    long long tick;
    std::uint64_t checksum;
};

class RollbackSession {
  public:
    static constexpr int MaxAhead = 8;          // ticks run beyond the last remote keys known
    static constexpr int ChecksumInterval = 10; // a confirmed tick's checksum every this many
    static constexpr int MaxInputDelay = 32;    // the largest input delay accepted, in ticks
    // Remote keys further ahead than this of the last ones known are refused (bounded memory).
    static constexpr int RemoteWindow = MaxAhead + MaxInputDelay + 24;

    // Run one tick with both cows' keys (hold them, then stepPlayTick, and whatever the caller
    // records around it). `again` is true when the tick is run again after a rollback. The game
    // holds them with ActionBitsHeld, which gives the local player's own keys back afterwards;
    // headless programs may use holdActionBits.
    using RunTick =
        std::function<void(long long tick, ActionBits cow1, ActionBits cow2, bool again)>;
    // Called once per confirmed tick, in order, after its last run.
    using TickConfirmed = std::function<void(long long tick)>;

    // `localPlayer` 0 drives cow 1, 1 cow 2. The local keys of ticks 1..inputDelay are "nothing
    // held"; the keys given to advance() apply inputDelay ticks later. Saves tick 0 at once:
    // construct it right after loading the map.
    RollbackSession(int localPlayer, int inputDelay, RunTick runTick);
    ~RollbackSession(); // takes the sound ledger out again
    RollbackSession(const RollbackSession &) = delete;
    RollbackSession &operator=(const RollbackSession &) = delete;
    void onConfirmed(TickConfirmed confirmed); // optional

    // Put the ledger between the sound layer and the device during this session's runs, so that
    // ticks run again play nothing twice and wrong predictions are undone (the game; headless
    // peers leave it off).
    void keepSoundInStep(bool on);

    // --- Stepping ---
    // False while the next tick would be more than MaxAhead ticks beyond the remote keys known:
    // the caller waits (and keeps receiving).
    bool canAdvance() const;
    // Take the local keys held now (they apply to tick currentTick() + 1 + inputDelay), correct
    // any wrong prediction, then run the next tick; returns it. When !canAdvance() it only
    // corrects (settle) and returns currentTick(): the keys are not taken.
    long long advance(ActionBits localKeys);
    // Correct any wrong prediction now and confirm what can be (advance does it too): the
    // caller calls it while it waits, and at the end of a session until all is confirmed.
    void settle();
    // The last tick run: the state the picture shows.
    long long currentTick() const { return current; }

    // --- Local keys (to send until the other side has them) ---
    long long localKnownTick() const { return static_cast<long long>(local.size()) - 1; }
    ActionBits localKeys(long long tick) const; // 1 <= tick <= localKnownTick()

    // --- Remote keys ---
    // Keys of the remote cow for `tick`, in any order, duplicates welcome. False (dropped) when
    // the tick is outside 1..remoteKnownTick() + RemoteWindow. Keys that contradict keys
    // already known for the tick are ignored (the first ones stand) and also give false.
    bool addRemoteKeys(long long tick, ActionBits keys);
    // Remote keys known for every tick 1..this (what to acknowledge).
    long long remoteKnownTick() const { return remoteKnown; }

    // --- Confirmed ticks: both cows' keys known and the tick run with them ---
    long long confirmedTick() const { return confirmed; }
    // Both cows' keys of a confirmed tick (1 <= tick <= confirmedTick()).
    ActionBits confirmedKeys(long long tick, int player) const;
    // The next checksum of a confirmed state to send (ticks 10, 20, ...); false when none.
    bool takeChecksum(TickChecksum &out);
    // The other side's checksum of its confirmed state after `tick`: compared once both are
    // known. Checksums for ticks this side never checksums are ignored.
    void addRemoteChecksum(const TickChecksum &remote);
    // The first tick whose checksums differ, -1 while none has.
    long long desyncTick() const { return desync; }

    // --- Time synchronisation ---
    // This side's lead as time synchronisation measures it: the ticks it runs beyond the remote
    // keys it knows, less its own input delay (so that two sides with different delays come out
    // level when they run level). Sent to the other side now and then.
    int ticksAhead() const { return static_cast<int>(current - remoteKnown) - inputDelay; }
    // The other side's ticksAhead(), as it last reported it.
    void setRemoteTicksAhead(int ticks) { remoteAhead = ticks; }
    // Ticks this side should lose to be level with the other (0 when it is not ahead): half the
    // difference of the two sides' ticksAhead(). The caller stretches a few ticks a little.
    int ticksToYield() const;

    // --- Statistics ---
    long long rollbacks() const { return rollbackCount; }  // corrections made
    int deepestRollback() const { return deepest; }        // most ticks run again at once
    long long ticksRunAgain() const { return rerunTicks; } // ticks run again in all

  private:
    static constexpr int Ring = 32; // saved states, by tick % Ring (more than MaxAhead + 1)
    ActionBits remoteKeysFor(long long tick) const; // known, else predicted
    void runTick(long long tick, bool again);
    void rollBackTo(long long tick);
    void confirmWhatCan();
    bool remoteKeyKnown(long long tick) const;

    const int localPlayer;
    const int inputDelay;
    RunTick run;
    TickConfirmed confirmedHook;
    bool soundInStep = false;
    SoundLedger ledger;

    long long current = 0;          // the last tick run
    long long confirmed = 0;        // the last confirmed tick
    long long remoteKnown = 0;      // remote keys known for 1..remoteKnown
    long long firstWrong = -1;      // the first tick run on a wrong prediction, -1 when none
    std::vector<ActionBits> local;  // local keys by tick ([0] unused)
    std::vector<ActionBits> remote; // remote keys by tick, known or not ([0] unused)
    std::vector<bool> remoteSet;    // which of them are known
    std::vector<ActionBits> used;   // the remote keys each tick last ran with
    RulesState saved[Ring];         // the state after each tick, by tick % Ring

    std::deque<TickChecksum> toSend;     // own checksums not yet taken
    std::deque<TickChecksum> ownSums;    // own checksums kept for comparison
    std::deque<TickChecksum> remoteSums; // the other side's, waiting for own
    long long desync = -1;
    int remoteAhead = 0;

    long long rollbackCount = 0;
    int deepest = 0;
    long long rerunTicks = 0;
};
