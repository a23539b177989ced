// rollback_session_test.cpp: two rollback sessions in one process, each with its own world
// (put back before it runs, saved after), joined by a simulated channel that delays, reorders,
// duplicates and drops messages: both confirmed traces equal the plain trace of the merged
// keys. A state that differs is found by the checksums; ticks run again play no sound twice.
#include "input/keys.h"
#include "net/confirmed_trace.h"
#include "net/rollback_session.h"
#include "rules/play_tick.h"
#include "rules/trace.h"
#include "test_map.h"
#include "world/grids.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr ActionBits Jump = 1 << 4, Butt = 1 << 5;

// A field with hay, syringes, pills, a pond and each cow's gates at both homes.
std::vector<std::string> busyField() {
    std::vector<std::string> map = plainMap(20, 9, '_', 15, 4, 4, 4);
    for (int c = 8; c < 12; c++)
        for (int r = 3; r < 6; r++)
            putTile(map, c, r, '~');
    const char items[] = "****!+@Y*!**";
    for (int i = 0; i < 12; i++)
        putObject(map, 2 + (i * 7) % 16, 1 + (i * 5) % 7, items[i]);
    putObject(map, 2, 4, '\\');
    putObject(map, 13, 4, '\\');
    putObject(map, 17, 4, '/');
    putObject(map, 6, 4, '/');
    return map;
}

// Both cows' keys for ticks 1..length, held in random runs; none for a cow's first `quiet`
// ticks (what its input delay holds back).
std::vector<ActionBits> randomKeys(unsigned seed, int length, int quiet) {
    std::mt19937 random(seed);
    std::vector<ActionBits> keys(static_cast<size_t>(length + 1), 0);
    ActionBits held = 0;
    for (int t = 1; t <= length; t++) {
        if (random() % 6 == 0)
            held = static_cast<ActionBits>(random() & 0x3f); // the controls key left out
        keys[static_cast<size_t>(t)] = t <= quiet ? 0 : held;
    }
    return keys;
}

std::string readAll(FILE *file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}

// The trace the replay tool prints for these keys.
std::string plainTrace(const std::vector<ActionBits> &cow1, const std::vector<ActionBits> &cow2) {
    FILE *file = std::tmpfile();
    startTrace(file);
    for (size_t t = 1; t < cow1.size(); t++) {
        beginTraceTick();
        holdActionBits(cow1[t], cow2[t]);
        stepPlayTick();
        endTraceTick();
    }
    finishTrace();
    std::string text = readAll(file);
    std::fclose(file);
    return text;
}

// What one side sends: its keys the other has not acknowledged, the ones it has, its lead and
// its checksums.
struct Message {
    int to;
    long long firstTick;
    std::vector<ActionBits> keys;
    long long acknowledged;
    int ticksAhead;
    std::vector<TickChecksum> checksums;
};

struct Conditions {
    int delay, jitter;    // steps (ticks of time) a message takes, +- jitter
    int lossPercent;      // messages dropped
    int duplicatePercent; // messages delivered twice
    int inputDelay[2];    // each side's
    int lateStart;        // steps the joining side starts after the host
};

class Channel {
  public:
    Channel(unsigned seed, const Conditions &conditions) : random(seed), c(conditions) {}
    void send(long long now, const Message &message) {
        if (static_cast<int>(random() % 100) < c.lossPercent)
            return;
        int copies = static_cast<int>(random() % 100) < c.duplicatePercent ? 2 : 1;
        for (int i = 0; i < copies; i++) {
            long long at =
                now + c.delay + static_cast<int>(random() % (2 * c.jitter + 1)) - c.jitter;
            inFlight.emplace(std::max(at, now + 1) * 4 + static_cast<long long>(random() % 4),
                             message); // ties in a random order
        }
    }
    std::vector<Message> receive(long long now, int to) {
        std::vector<Message> arrived;
        for (auto it = inFlight.begin(); it != inFlight.end() && it->first < (now + 1) * 4;) {
            if (it->second.to == to) {
                arrived.push_back(it->second);
                it = inFlight.erase(it);
            } else {
                ++it;
            }
        }
        return arrived;
    }

  private:
    std::mt19937 random;
    Conditions c;
    std::multimap<long long, Message> inFlight; // by arrival
};

// One machine: its session and its world.
struct Side {
    int player;
    const std::vector<ActionBits> *keys; // its cow's keys by tick
    RulesState world;
    FILE *traceFile = std::tmpfile();
    std::unique_ptr<ConfirmedTrace> trace;
    std::unique_ptr<RollbackSession> session;
    long long acknowledged = 0; // the other side has this side's keys 1..this
    long long corruptTick = -1; // a tick whose every run this side gets wrong (a desync)
    ~Side() {
        trace.reset(); // it writes to the file as it goes
        std::fclose(traceFile);
    }
};

class TwoSessions {
  public:
    TwoSessions(const std::vector<ActionBits> &cow1Keys, const std::vector<ActionBits> &cow2Keys,
                const Conditions &conditions, unsigned seed)
        : length(static_cast<long long>(cow1Keys.size()) - 1), c(conditions),
          channel(seed, conditions) {
        EXPECT_TRUE(loadTestMap(busyField()));
        for (int p = 0; p < 2; p++) {
            Side &s = sides[p];
            s.player = p;
            s.keys = p == 0 ? &cow1Keys : &cow2Keys;
            s.trace = std::make_unique<ConfirmedTrace>(s.traceFile);
            s.session = std::make_unique<RollbackSession>(
                p, c.inputDelay[p], [&s](long long tick, ActionBits k1, ActionBits k2, bool) {
                    s.trace->beginTick();
                    holdActionBits(k1, k2);
                    stepPlayTick();
                    if (tick == s.corruptTick)
                        cow1->bankedHay += 1;
                    s.trace->endTick(tick);
                });
            s.session->onConfirmed([&s](long long tick) { s.trace->confirm(tick); });
            saveRulesState(s.world);
        }
    }

    // Play until both sides confirmed every tick, or until `sidesDesynced` sides found a
    // desync; false when that never happens.
    bool play(int sidesDesynced = 1) {
        for (long long now = 0; now < length * 20 + 1000; now++) {
            for (Side &s : sides)
                step(s, now);
            int desynced = 0;
            for (const Side &s : sides)
                desynced += s.session->desyncTick() >= 0;
            if (desynced >= sidesDesynced || (sides[0].session->confirmedTick() == length &&
                                              sides[1].session->confirmedTick() == length))
                return true;
        }
        return false;
    }

    bool desync() const {
        return sides[0].session->desyncTick() >= 0 || sides[1].session->desyncTick() >= 0;
    }

    std::string trace(int p) {
        sides[p].trace.reset(); // writes what it held back
        return readAll(sides[p].traceFile);
    }

    Side sides[2];
    const long long length;

  private:
    void step(Side &s, long long now) {
        RollbackSession &session = *s.session;
        restoreRulesState(s.world);
        for (const Message &m : channel.receive(now, s.player)) {
            for (size_t i = 0; i < m.keys.size(); i++)
                session.addRemoteKeys(m.firstTick + static_cast<long long>(i), m.keys[i]);
            s.acknowledged = std::max(s.acknowledged, m.acknowledged);
            session.setRemoteTicksAhead(m.ticksAhead);
            for (const TickChecksum &sum : m.checksums)
                session.addRemoteChecksum(sum);
        }
        const bool started = now >= (s.player == 1 ? c.lateStart : 0);
        const bool yielding = session.ticksToYield() > 0 && now % 3 == 0;
        if (started && !yielding && session.currentTick() < length && session.canAdvance()) {
            const long long applies = session.currentTick() + 1 + c.inputDelay[s.player];
            session.advance(applies <= length ? (*s.keys)[static_cast<size_t>(applies)] : 0);
        } else {
            session.settle();
        }
        EXPECT_LE(session.currentTick() - session.remoteKnownTick(), RollbackSession::MaxAhead);
        Message m{1 - s.player,
                  s.acknowledged + 1,
                  {},
                  session.remoteKnownTick(),
                  session.ticksAhead(),
                  {}};
        for (long long t = m.firstTick; t <= session.localKnownTick(); t++)
            m.keys.push_back(session.localKeys(t));
        for (TickChecksum sum; session.takeChecksum(sum);)
            m.checksums.push_back(sum);
        channel.send(now, m);
        saveRulesState(s.world);
    }

    Conditions c;
    Channel channel;
};

class RollbackSessionTest : public ::testing::Test {
  protected:
    void TearDown() override {
        freeWorld();
        releaseAllKeys();
    }
};

TEST_F(RollbackSessionTest, BothSidesConfirmThePlainTraceWhateverTheChannel) {
    const int length = 700;
    const Conditions cases[] = {
        {0, 0, 0, 0, {0, 0}, 0},    // a perfect line
        {2, 1, 5, 5, {0, 0}, 3},    // about 100 ms, 5 % lost
        {3, 2, 20, 10, {2, 1}, 0},  // slow, lossy, with input delays
        {1, 1, 10, 30, {0, 3}, 11}, // the joiner far behind at the start
    };
    unsigned seed = 1;
    for (const Conditions &c : cases) {
        SCOPED_TRACE("case " + std::to_string(seed));
        const std::vector<ActionBits> cow1 = randomKeys(seed * 11, length, c.inputDelay[0]);
        const std::vector<ActionBits> cow2 = randomKeys(seed * 13, length, c.inputDelay[1]);
        ASSERT_TRUE(loadTestMap(busyField()));
        const std::string expected = plainTrace(cow1, cow2);
        TwoSessions sessions(cow1, cow2, c, seed++);
        ASSERT_TRUE(sessions.play()) << "the session never ended";
        EXPECT_FALSE(sessions.desync());
        for (int p = 0; p < 2; p++) {
            const RollbackSession &session = *sessions.sides[p].session;
            EXPECT_LE(session.deepestRollback(), RollbackSession::MaxAhead);
            for (long long t = 1; t <= length; t++) {
                ASSERT_EQ(session.confirmedKeys(t, 0), cow1[static_cast<size_t>(t)]) << t;
                ASSERT_EQ(session.confirmedKeys(t, 1), cow2[static_cast<size_t>(t)]) << t;
            }
            EXPECT_EQ(sessions.trace(p), expected) << "side " << p;
        }
        if (c.delay > 0) {
            EXPECT_GT(sessions.sides[0].session->rollbacks(), 0);
        }
    }
}

TEST_F(RollbackSessionTest, ADifferentStateIsFoundAtTheNextChecksum) {
    const std::vector<ActionBits> cow1 = randomKeys(5, 200, 0), cow2 = randomKeys(6, 200, 0);
    TwoSessions sessions(cow1, cow2, {2, 1, 10, 0, {0, 0}, 0}, 9);
    sessions.sides[1].corruptTick = 23;
    ASSERT_TRUE(sessions.play(2));
    EXPECT_EQ(sessions.sides[0].session->desyncTick(), 30);
    EXPECT_EQ(sessions.sides[1].session->desyncTick(), 30);
}

TEST_F(RollbackSessionTest, RemoteKeysOutsideTheWindowOrContradictingAreRefused) {
    ASSERT_TRUE(loadTestMap(busyField()));
    RollbackSession session(0, 0, [](long long, ActionBits k1, ActionBits k2, bool) {
        holdActionBits(k1, k2);
        stepPlayTick();
    });
    EXPECT_FALSE(session.addRemoteKeys(0, Jump));
    EXPECT_FALSE(session.addRemoteKeys(RollbackSession::RemoteWindow + 1, Jump));
    EXPECT_TRUE(session.addRemoteKeys(RollbackSession::RemoteWindow, Jump));
    EXPECT_TRUE(session.addRemoteKeys(1, 0));
    EXPECT_TRUE(session.addRemoteKeys(1, 0)); // a duplicate
    EXPECT_FALSE(session.addRemoteKeys(1, Butt));
    EXPECT_EQ(session.remoteKnownTick(), 1);
    for (int t = 1; t <= RollbackSession::MaxAhead + 1; t++) {
        ASSERT_TRUE(session.canAdvance());
        session.advance(0);
    }
    EXPECT_FALSE(session.canAdvance()) << "no further than MaxAhead beyond the remote keys";
    EXPECT_EQ(session.advance(0), RollbackSession::MaxAhead + 1);
    EXPECT_EQ(session.localKnownTick(), RollbackSession::MaxAhead + 1);
    EXPECT_EQ(session.confirmedTick(), 1);
}

TEST_F(RollbackSessionTest, TimeSyncLevelsSidesWhateverTheirInputDelays) {
    ASSERT_TRUE(loadTestMap(busyField()));
    auto run = [](long long, ActionBits k1, ActionBits k2, bool) {
        holdActionBits(k1, k2);
        stepPlayTick();
    };
    RollbackSession host(0, 3, run), joiner(1, 0, run);
    // both at tick `ticks`, each with the other's keys of two ticks ago (plus its delay)
    auto level = [&](int hostTicks, int joinerTicks) {
        while (host.currentTick() < hostTicks)
            host.advance(0);
        while (joiner.currentTick() < joinerTicks)
            joiner.advance(0);
        for (long long t = 1; t <= joiner.localKnownTick() - 2; t++)
            host.addRemoteKeys(t, 0);
        for (long long t = 1; t <= host.localKnownTick() - 2; t++)
            joiner.addRemoteKeys(t, 0);
        host.setRemoteTicksAhead(joiner.ticksAhead());
        joiner.setRemoteTicksAhead(host.ticksAhead());
    };
    level(6, 6);
    EXPECT_EQ(host.ticksToYield(), 0);
    EXPECT_EQ(joiner.ticksToYield(), 0);
    level(10, 6); // the host runs 4 ticks ahead of the joiner
    EXPECT_EQ(host.ticksToYield(), 4);
    EXPECT_EQ(joiner.ticksToYield(), 0);
}

// --- Sound under rollback ---
std::map<std::string, int> heardCount;
void countPlay(Sound sound) {
    heardCount[std::string("play ") + soundName(sound)]++;
}
void countResume(Sound sound) {
    heardCount[std::string("resume ") + soundName(sound)]++;
}
void countStop(Sound) {}
const SoundBackend CountingDevice = {countPlay, countResume, countStop};

TEST_F(RollbackSessionTest, TicksRunAgainPlayNoSoundTwice) {
    // cow 1 (local) head-butts from tick 1; cow 2's jump at tick 3 is learnt at tick 8
    const int length = 12;
    std::vector<ActionBits> cow1(length + 1, Butt), cow2(length + 1, 0);
    cow2[3] = Jump;
    ASSERT_TRUE(loadTestMap(busyField()));
    setSoundBackend(&CountingDevice);
    heardCount.clear();
    plainTrace(cow1, cow2);
    const std::map<std::string, int> plain = heardCount;
    ASSERT_EQ(plain.at("play Cow2JumpSoundSource"), 1);
    ASSERT_GT(plain.at("play CowHBSoundSource"), 1);

    ASSERT_TRUE(loadTestMap(busyField()));
    heardCount.clear();
    {
        RollbackSession session(0, 0, [](long long, ActionBits k1, ActionBits k2, bool) {
            holdActionBits(k1, k2);
            stepPlayTick();
        });
        session.keepSoundInStep(true);
        for (int t = 1; t <= length; t++) {
            if (t == 8)
                for (int r = 1; r <= 7; r++)
                    session.addRemoteKeys(r, cow2[static_cast<size_t>(r)]);
            session.advance(cow1[static_cast<size_t>(t)]);
        }
        for (int r = 8; r <= length; r++)
            session.addRemoteKeys(r, cow2[static_cast<size_t>(r)]);
        session.settle();
        EXPECT_EQ(session.confirmedTick(), length);
        EXPECT_EQ(session.deepestRollback(), 5); // ticks 3..7
    }
    EXPECT_EQ(soundBackend(), &CountingDevice);
    setSoundBackend(nullptr);
    EXPECT_EQ(heardCount, plain);
}

} // namespace
