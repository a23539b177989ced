// net_play.h: a round over the network, as one machine plays it: the session (net_session.h:
// ENet, the handshake, the keys on the wire, watchers, failures) and the rollback engine
// (net/rollback_session.h) put together. pasturon-peer drives it; so will the game.
//
// Driving it from the game's idle callback (no thread, no loop of its own, never blocks):
//   1. Load the map, then NetPlay play(config, runTick, confirmed); play.start() (false: the
//      one line is play.failureText(); --host on a port in use, an address not found).
//   2. Every pass of the idle callback: play.service(). It takes in and sends what is due.
//   3. On every tick of the game's 51 ms clock: play.tick(keys), with this machine's person's
//      actions (heldActionBits of either key set or a pad; a watcher passes 0). It runs the
//      ticks due (0 while waiting for the other, a few at once for a watcher catching up);
//      runTick is called for every run, again ones included (hold its keys with
//      ActionBitsHeld, then stepPlayTick); draw the state it leaves (play.currentTick()).
//      Sound under rollback: play.keepSoundInStep(true) once.
//   4. play.phase(): Waiting (host) / Connecting (join, watch): the waiting screen, with
//      config.port; ESC there: play.leave(). Playing: the round. Failed: show
//      play.failureText() (one line, also on standard error) and go back to the title screen.
//      Finished: the whole round was confirmed on both machines.
//   5. N: play.askNewGame(); play.newGameAsked() is true once when the other side pressed N
//      (on a watcher: when the host started the next round). Either way, load the map again
//      and call play.newRound() on each machine; keys of the old round are never mixed in.
//      ESC during play: play.leave() (the other side fails with "the other player left").
//   6. --record: write play's confirmedKeys() (writeConfirmedDemo); `confirmed` is called once
//      per confirmed tick, in order, for the trace.
#pragma once

#include "net/rollback_session.h"
#include "online/net_session.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

// --- Watchers ---
constexpr long long WatchLagTicks = 3;      // a watcher shows the round this far behind
constexpr long long WatchCatchUpTicks = 10; // further behind, it runs the ticks undrawn

class NetPlay {
  public:
    using RunTick = RollbackSession::RunTick;
    using TickConfirmed = std::function<void(long long tick)>;

    // `inputDelay` (players): ticks the local keys are held back (0 to MaxInputDelay).
    NetPlay(const NetConfig &config, int inputDelay, RunTick runTick, TickConfirmed confirmed);
    bool start();
    void service();
    // One tick of the game's clock: run what is due. Returns the ticks run for the first time.
    int tick(ActionBits localKeys);
    void leave() { session.leave(); }
    void keepSoundInStep(bool on);
    void askNewGame() { session.askNewGame(); }
    bool newGameAsked() { return session.newGameAsked(); }
    // Start the next round (both players, after N on either; a watcher after newGameAsked()),
    // with the map loaded again: tick 0 is the state as it stands now.
    void newRound();

    NetPhase phase() const;
    NetFailure failure() const { return session.failure(); }
    const std::string &failureText() const { return session.failureText(); }
    std::vector<std::string> takeNotices() { return session.takeNotices(); }
    bool watching() const { return config.role == NetRole::Watch; }
    int localCow() const { return session.localCow(); }

    long long currentTick() const;   // the last tick run: what the picture shows
    long long confirmedTick() const; // the last tick run with both cows' keys known
    ActionBits confirmedKeys(long long tick, int cow) const; // 1 <= tick <= confirmedTick()
    long long rollbacks() const { return engine ? engine->rollbacks() : 0; }
    int deepestRollback() const { return engine ? engine->deepestRollback() : 0; }
    NetStats stats() const { return session.stats(); }

  private:
    void startEngine();
    void exchange();    // keys and checksums between the session and the engine
    void finishRound(); // the end of a round of known length, once all is confirmed and checked
    int watchTick();

    NetConfig config;
    int inputDelay;
    RunTick run;
    TickConfirmed confirmed;
    NetSession session;
    std::unique_ptr<RollbackSession> engine; // from the welcome on (players)
    bool soundInStep = false;
    uint32_t forwarded = 0;      // remote keys handed to the engine
    long long ownSumTick = 0;    // the last checksum of ours sent
    long long remoteSumTick = 0; // the last checksum of the other's compared
    long long watched = 0;       // a watcher: ticks run
    int yieldCountdown = 0;      // ticks until the next one time synchronisation may skip
};

// Write both cows' confirmed keys of ticks 1..confirmedTick() as a demo (the script format of
// input/script.h), headed by a comment line. False if the file cannot be written.
bool writeConfirmedDemo(const char *path, const NetPlay &play, const std::string &comment);
