// rollback_session.cpp: prediction, saved states, rollback and confirmation of a session.
#include "net/rollback_session.h"
#include "rules/console.h"

#include <algorithm>

namespace {
constexpr size_t ChecksumsKept = 64; // own checksums kept for the other side's to meet
} // namespace

RollbackSession::RollbackSession(int localPlayer, int inputDelay, RunTick runTick)
    : localPlayer(localPlayer == 1 ? 1 : 0), inputDelay(std::clamp(inputDelay, 0, MaxInputDelay)),
      run(std::move(runTick)), local(1 + static_cast<size_t>(this->inputDelay), 0), remote(1, 0),
      remoteSet(1, true), used(1, 0) {
    saveRulesState(saved[0]);
}

RollbackSession::~RollbackSession() {
    keepSoundInStep(false);
}

void RollbackSession::onConfirmed(TickConfirmed confirmed) {
    confirmedHook = std::move(confirmed);
}

void RollbackSession::keepSoundInStep(bool on) {
    if (on && !soundInStep)
        ledger.attach();
    if (!on && soundInStep)
        ledger.detach();
    soundInStep = on;
}

bool RollbackSession::canAdvance() const {
    return current + 1 - remoteKnown <= MaxAhead;
}

long long RollbackSession::advance(ActionBits localKeys) {
    settle();
    if (!canAdvance())
        return current;
    local.push_back(localKeys & AllActionBits);
    runTick(current + 1, false);
    current++;
    confirmWhatCan();
    return current;
}

void RollbackSession::settle() {
    if (firstWrong >= 0 && firstWrong <= current)
        rollBackTo(firstWrong);
    firstWrong = -1;
    confirmWhatCan();
}

ActionBits RollbackSession::localKeys(long long tick) const {
    return tick >= 1 && tick <= localKnownTick() ? local[static_cast<size_t>(tick)] : 0;
}

bool RollbackSession::remoteKeyKnown(long long tick) const {
    return tick >= 0 && tick < static_cast<long long>(remoteSet.size()) &&
           remoteSet[static_cast<size_t>(tick)];
}

ActionBits RollbackSession::remoteKeysFor(long long tick) const {
    if (remoteKeyKnown(tick))
        return remote[static_cast<size_t>(tick)];
    return remote[static_cast<size_t>(remoteKnown)]; // predicted: the last keys known
}

bool RollbackSession::addRemoteKeys(long long tick, ActionBits keys) {
    if (tick < 1 || tick > remoteKnown + RemoteWindow)
        return false;
    keys &= AllActionBits;
    const size_t at = static_cast<size_t>(tick);
    if (remoteKeyKnown(tick))
        return remote[at] == keys;
    if (remote.size() <= at) {
        remote.resize(at + 1, 0);
        remoteSet.resize(at + 1, false);
    }
    remote[at] = keys;
    remoteSet[at] = true;
    if (tick <= current && used[at] != keys && (firstWrong < 0 || tick < firstWrong))
        firstWrong = tick;
    while (remoteKeyKnown(remoteKnown + 1))
        remoteKnown++;
    return true;
}

ActionBits RollbackSession::confirmedKeys(long long tick, int player) const {
    if (tick < 1 || tick > confirmed)
        return 0;
    const size_t at = static_cast<size_t>(tick);
    return player == localPlayer ? local[at] : remote[at];
}

void RollbackSession::runTick(long long tick, bool again) {
    const size_t at = static_cast<size_t>(tick);
    ActionBits keys[2];
    keys[localPlayer] = local[at];
    keys[1 - localPlayer] = remoteKeysFor(tick);
    if (used.size() <= at)
        used.resize(at + 1, 0);
    used[at] = keys[1 - localPlayer];
    if (soundInStep)
        ledger.beginTick(tick, again);
    run(tick, keys[0], keys[1], again);
    if (soundInStep)
        ledger.endTick();
    saveRulesState(saved[tick % Ring]);
}

void RollbackSession::rollBackTo(long long tick) {
    restoreRulesState(saved[(tick - 1) % Ring]);
    if (soundInStep)
        ledger.rollBack(tick);
    const int depth = static_cast<int>(current - tick + 1);
    rollbackCount++;
    deepest = std::max(deepest, depth);
    rerunTicks += depth;
    const bool echo = consoleEcho; // what a tick writes was written on its first run
    consoleEcho = false;
    for (long long t = tick; t <= current; t++)
        runTick(t, true);
    consoleEcho = echo;
    if (soundInStep)
        ledger.reconcile();
}

void RollbackSession::confirmWhatCan() {
    long long limit = std::min(remoteKnown, current);
    if (firstWrong >= 0)
        limit = std::min(limit, firstWrong - 1);
    while (confirmed < limit) {
        confirmed++;
        if (confirmedHook)
            confirmedHook(confirmed);
        if (confirmed % ChecksumInterval != 0)
            continue;
        const TickChecksum own{confirmed, checksumOf(saved[confirmed % Ring])};
        toSend.push_back(own);
        ownSums.push_back(own);
        if (ownSums.size() > ChecksumsKept)
            ownSums.pop_front();
        auto waiting = std::find_if(remoteSums.begin(), remoteSums.end(),
                                    [&](const TickChecksum &r) { return r.tick == own.tick; });
        if (waiting != remoteSums.end()) {
            if (waiting->checksum != own.checksum && desync < 0)
                desync = own.tick;
            remoteSums.erase(waiting);
        }
    }
}

bool RollbackSession::takeChecksum(TickChecksum &out) {
    if (toSend.empty())
        return false;
    out = toSend.front();
    toSend.pop_front();
    return true;
}

void RollbackSession::addRemoteChecksum(const TickChecksum &remoteSum) {
    if (remoteSum.tick < ChecksumInterval || remoteSum.tick % ChecksumInterval != 0)
        return;
    if (remoteSum.tick <= confirmed) {
        for (const TickChecksum &own : ownSums)
            if (own.tick == remoteSum.tick && own.checksum != remoteSum.checksum && desync < 0)
                desync = own.tick;
        return;
    }
    if (remoteSum.tick > confirmed + RemoteWindow || remoteSums.size() >= ChecksumsKept)
        return; // not a tick this side can reach soon: never held
    for (const TickChecksum &r : remoteSums)
        if (r.tick == remoteSum.tick)
            return;
    remoteSums.push_back(remoteSum);
}

int RollbackSession::ticksToYield() const {
    return std::max(0, (ticksAhead() - remoteAhead) / 2);
}
