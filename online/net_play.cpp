// net_play.cpp: the session and the rollback engine together: keys from the wire into the
// engine and from the engine onto the wire, checksums both ways, the time synchronisation, the
// end of a round, and the watcher's run of the host's confirmed keys.
#include "online/net_play.h"
#include "input/script.h"

#include <algorithm>

namespace {

constexpr int YieldEveryTicks = 4; // time synchronisation skips at most one tick in this many

} // namespace

NetPlay::NetPlay(const NetConfig &config, int inputDelay, RunTick runTick, TickConfirmed confirmed)
    : config(config), inputDelay(std::clamp(inputDelay, 0, RollbackSession::MaxInputDelay)),
      run(std::move(runTick)), confirmed(std::move(confirmed)) {}

bool NetPlay::start() {
    return session.start(config);
}

void NetPlay::keepSoundInStep(bool on) {
    soundInStep = on;
    if (engine)
        engine->keepSoundInStep(on);
}

void NetPlay::startEngine() {
    engine = std::make_unique<RollbackSession>(session.localCow(), inputDelay, run);
    engine->onConfirmed(confirmed);
    engine->keepSoundInStep(soundInStep);
}

void NetPlay::newRound() {
    session.newRound();
    engine.reset(); // made again, saving tick 0, at the next service()
    forwarded = 0;
    ownSumTick = remoteSumTick = 0;
    watched = 0;
    yieldCountdown = 0;
}

NetPhase NetPlay::phase() const {
    const NetPhase phase = session.phase();
    // a watcher has finished when the host has, and it has run every tick it was sent
    if (watching() && phase == NetPhase::Finished && watched < session.watchedTicks())
        return NetPhase::Playing;
    return phase;
}

long long NetPlay::currentTick() const {
    return watching() ? watched : engine ? engine->currentTick() : 0;
}

long long NetPlay::confirmedTick() const {
    return watching() ? watched : engine ? engine->confirmedTick() : 0;
}

ActionBits NetPlay::confirmedKeys(long long tick, int cow) const {
    if (watching())
        return session.watchedKeys(static_cast<uint32_t>(tick), cow);
    return engine ? engine->confirmedKeys(tick, cow) : 0;
}

void NetPlay::service() {
    session.service();
    if (!watching() && session.phase() == NetPhase::Playing) {
        if (!engine)
            startEngine();
        exchange();
    }
}

void NetPlay::exchange() {
    // the other's keys, in order, as far as the engine takes them
    while (forwarded < session.remoteTicks() &&
           engine->addRemoteKeys(forwarded + 1, session.remoteKeys(forwarded + 1)))
        forwarded++;
    engine->settle();
    // ours, the input delay's empty ticks included
    while (session.localTicks() < engine->localKnownTick())
        session.addLocalKeys(engine->localKeys(session.localTicks() + 1));
    session.setTicksAhead(engine->ticksAhead());
    engine->setRemoteTicksAhead(session.remoteTicksAhead());
    TickChecksum sum;
    while (engine->takeChecksum(sum)) {
        session.sendChecksum(static_cast<uint32_t>(sum.tick), sum.checksum);
        ownSumTick = sum.tick;
    }
    uint32_t tick;
    uint64_t checksum;
    while (session.takeRemoteChecksum(tick, checksum)) {
        engine->addRemoteChecksum({tick, checksum});
        remoteSumTick = std::max<long long>(remoteSumTick, tick);
    }
    if (engine->desyncTick() >= 0)
        return session.reportDesync(static_cast<uint32_t>(engine->desyncTick()));
    finishRound();
}

void NetPlay::finishRound() {
    const long long last = session.sessionTicks();
    if (last == 0 || engine->confirmedTick() < last)
        return;
    // the checksums of the last checked tick compared on this side
    const long long lastChecked =
        last / RollbackSession::ChecksumInterval * RollbackSession::ChecksumInterval;
    if (ownSumTick >= lastChecked && remoteSumTick >= lastChecked)
        session.roundConfirmed();
}

int NetPlay::tick(ActionBits localKeys) {
    service();
    if (session.phase() != NetPhase::Playing && session.phase() != NetPhase::Finished)
        return 0;
    if (watching())
        return watchTick();
    if (!engine || session.phase() != NetPhase::Playing)
        return 0;
    const long long last = session.sessionTicks();
    if (last != 0 && engine->currentTick() >= last)
        return 0; // the round is run; waiting for it to be confirmed
    // ahead of the other: let a tick pass now and then until the two are level
    if (yieldCountdown > 0)
        yieldCountdown--;
    if (engine->ticksToYield() > 0 && yieldCountdown == 0) {
        yieldCountdown = YieldEveryTicks;
        return 0;
    }
    if (!engine->canAdvance())
        return 0; // the window is full: wait for the other's keys
    engine->advance(localKeys);
    exchange();
    return 1;
}

int NetPlay::watchTick() {
    const long long known = session.watchedTicks();
    // the host has gone when all keys are in: run out the rest
    const long long lag = session.phase() == NetPhase::Finished ? 0 : WatchLagTicks;
    const long long target = known - lag;
    if (watched >= target)
        return 0;
    // a few ticks behind: one tick per tick; further behind: all that are due, undrawn
    const long long upTo = target - watched > WatchCatchUpTicks ? target : watched + 1;
    const int ran = static_cast<int>(upTo - watched);
    while (watched < upTo) {
        watched++;
        run(watched, session.watchedKeys(static_cast<uint32_t>(watched), 0),
            session.watchedKeys(static_cast<uint32_t>(watched), 1), false);
        if (confirmed)
            confirmed(watched);
    }
    return ran;
}

bool writeConfirmedDemo(const char *path, const NetPlay &play, const std::string &comment) {
    FILE *file = std::fopen(path, "w");
    if (!file)
        return false;
    std::fprintf(file, "# %s\n", comment.c_str());
    ScriptStep step{0, {}};
    const long long last = play.confirmedTick();
    for (long long tick = 1; tick <= last + 1; tick++) {
        std::vector<int> keys;
        if (tick <= last)
            keys = actionKeyCodes(play.confirmedKeys(tick, 0), play.confirmedKeys(tick, 1));
        if (step.frames > 0 && (tick > last || keys != step.keys)) {
            std::fputs(scriptLine(step).c_str(), file);
            step.frames = 0;
        }
        if (step.frames == 0)
            step.keys = keys;
        step.frames++;
    }
    return std::fclose(file) == 0;
}
