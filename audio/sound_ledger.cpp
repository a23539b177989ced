// sound_ledger.cpp: recording each tick's sound actions, keeping re-runs silent, and bringing
// the device to the corrected ticks' state afterwards.
#include "audio/sound_ledger.h"

namespace {

SoundLedger *attached; // the ledger whose backend is in force, if any

void ledgerPlay(Sound sound) {
    attached->act(SoundAction::Play, sound);
}

void ledgerResume(Sound sound) {
    attached->act(SoundAction::Resume, sound);
}

void ledgerStop(Sound sound) {
    attached->act(SoundAction::Stop, sound);
}

const SoundBackend LedgerBackend = {ledgerPlay, ledgerResume, ledgerStop};

int slot(long long tick) {
    return static_cast<int>(tick % SoundLedger::Window);
}

} // namespace

void SoundLedger::attach() {
    if (attached == this && soundBackend() == &LedgerBackend)
        return;
    device = soundBackend();
    attached = this;
    setSoundBackend(&LedgerBackend);
}

void SoundLedger::detach() {
    if (attached != this)
        return;
    setSoundBackend(device);
    attached = nullptr;
}

void SoundLedger::send(SoundAction action, Sound sound) {
    if (!device)
        return;
    if (action == SoundAction::Play)
        device->play(sound);
    else if (action == SoundAction::Resume)
        device->resume(sound);
    else
        device->stop(sound);
}

void SoundLedger::act(SoundAction action, Sound sound) {
    int i = static_cast<int>(sound);
    if (i < 0 || i >= SoundCount)
        return;
    if (tick < 0) {
        // outside the ticks (the title screen, the start of a round): no rollback undoes it
        SourceState outside{action, -1};
        rules.of[i] = heard.of[i] = outside;
        for (Sources &sources : before)
            sources.of[i] = outside;
        send(action, sound);
        return;
    }
    rules.of[i] = {action, tick};
    if (again)
        return; // the first run was heard; reconcile() settles the difference
    heard.of[i] = rules.of[i];
    send(action, sound);
}

void SoundLedger::beginTick(long long newTick, bool runAgain) {
    tick = newTick;
    again = runAgain;
    before[slot(tick)] = rules;
}

void SoundLedger::endTick() {
    tick = -1;
    again = false;
}

void SoundLedger::rollBack(long long first) {
    rules = before[slot(first)];
    if (rolledBackTo < 0 || first < rolledBackTo)
        rolledBackTo = first;
}

void SoundLedger::reconcile() {
    if (rolledBackTo < 0)
        return;
    for (int i = 0; i < SoundCount; i++) {
        const Sound sound = static_cast<Sound>(i);
        const SourceState &want = rules.of[i], &have = heard.of[i];
        const bool wantPlaying = want.action != SoundAction::Stop;
        const bool havePlaying = have.action != SoundAction::Stop;
        const bool wantRecent = want.tick >= rolledBackTo; // acted on in the ticks run again
        const bool haveRecent = have.tick >= rolledBackTo;
        if (want.action == have.action && want.tick == have.tick)
            continue;
        if (!wantPlaying) {
            if (havePlaying)
                send(SoundAction::Stop, sound); // started on a prediction that did not happen
        } else if (wantRecent) {
            if (!(havePlaying && haveRecent))
                send(want.action, sound); // the corrected ticks start it; the first runs did not
        } else if (!havePlaying) {
            if (soundLoops(sound))
                send(want.action, sound); // a loop a wrong prediction stopped
        } else if (haveRecent && !soundLoops(sound)) {
            send(SoundAction::Stop, sound); // a one-shot only the wrong prediction restarted
        }
        heard.of[i] = want;
    }
    rolledBackTo = -1;
}
