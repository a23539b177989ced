// rules_state_test.cpp: a saved state put back: objects taken are made again as the map made
// them, gates get their hits back, the checksum follows every change and no other world's
// state is accepted.
#include "input/keys.h"
#include "net/action_bits.h"
#include "rules/play_tick.h"
#include "rules/rules_state.h"
#include "test_map.h"
#include "world/grids.h"

#include <gtest/gtest.h>

namespace {

constexpr ActionBits Left = 1 << 2, Butt = 1 << 5;

// Cow 1 at (8, 1) with hay at (6, 1) and a syringe at (4, 1) to its left; cow 2 at (2, 3) faces
// cow 1's gate at (4, 3).
void loadField() {
    std::vector<std::string> map = plainMap(12, 5, '_', 8, 1, 2, 3);
    putObject(map, 6, 1, '*');
    putObject(map, 4, 1, '!');
    putObject(map, 4, 3, '\\');
    ASSERT_TRUE(loadTestMap(map));
}

void ticks(int count, ActionBits cow1Keys, ActionBits cow2Keys) {
    for (int i = 0; i < count; i++) {
        holdActionBits(cow1Keys, cow2Keys);
        stepPlayTick();
    }
}

bool sameObject(const WorldObject &a, const WorldObject &b) {
    return a.kind == b.kind && a.drawHandler == b.drawHandler && a.placeHandler == b.placeHandler &&
           a.touchHandler == b.touchHandler && a.hitsLeft == b.hitsLeft && a.x == b.x &&
           a.y == b.y && a.z == b.z && a.height == b.height && a.halfWidth == b.halfWidth;
}

class RulesStateTest : public ::testing::Test {
  protected:
    void TearDown() override {
        freeWorld();
        releaseAllKeys();
    }
};

TEST_F(RulesStateTest, TakenObjectsAndGateHitsComeBack) {
    loadField();
    const WorldObject hay = *objectAt(6, 1), syringe = *objectAt(4, 1), gate = *objectAt(4, 3);
    RulesState start;
    saveRulesState(start);
    const uint64_t startSum = rulesStateChecksum();
    EXPECT_EQ(checksumOf(start), startSum);

    ticks(12, Left, Butt); // cow 1 takes both; cow 2 butts the gate
    ASSERT_EQ(objectAt(6, 1), nullptr);
    ASSERT_EQ(objectAt(4, 1), nullptr);
    ASSERT_LT(objectAt(4, 3)->hitsLeft, GateHits);
    EXPECT_NE(rulesStateChecksum(), startSum);

    ASSERT_TRUE(restoreRulesState(start));
    EXPECT_EQ(rulesStateChecksum(), startSum);
    ASSERT_NE(objectAt(6, 1), nullptr);
    ASSERT_NE(objectAt(4, 1), nullptr);
    EXPECT_TRUE(sameObject(*objectAt(6, 1), hay));
    EXPECT_TRUE(sameObject(*objectAt(4, 1), syringe));
    EXPECT_TRUE(sameObject(*objectAt(4, 3), gate));
    EXPECT_EQ(cow1->other, cow2);
    EXPECT_EQ(cow2->other, cow1);
    EXPECT_EQ(cow1->tile, tileAt(8, 1));

    // and forward again: objects present in the later state go once more
    RulesState later;
    ticks(12, Left, Butt);
    saveRulesState(later);
    ASSERT_TRUE(restoreRulesState(start));
    ASSERT_TRUE(restoreRulesState(later));
    EXPECT_EQ(objectAt(6, 1), nullptr);
    EXPECT_EQ(rulesStateChecksum(), checksumOf(later));
}

TEST_F(RulesStateTest, ChecksumFollowsEveryCowField) {
    loadField();
    const uint64_t sum = rulesStateChecksum();
    cow2->stunTimer++;
    EXPECT_NE(rulesStateChecksum(), sum);
    cow2->stunTimer--;
    cow1->startX += 0.001f;
    EXPECT_NE(rulesStateChecksum(), sum);
    cow1->startX -= 0.001f;
    modelScale[1] *= 2;
    EXPECT_NE(rulesStateChecksum(), sum);
    modelScale[1] /= 2;
    EXPECT_EQ(rulesStateChecksum(), sum);
}

TEST_F(RulesStateTest, AnotherWorldsStateIsRefused) {
    loadField();
    RulesState old;
    saveRulesState(old);
    ticks(3, Left, 0);
    loadField();
    const uint64_t fresh = rulesStateChecksum();
    ticks(3, Left, 0);
    const uint64_t moved = rulesStateChecksum();
    EXPECT_FALSE(restoreRulesState(old));
    EXPECT_EQ(rulesStateChecksum(), moved);
    EXPECT_NE(fresh, moved);
}

} // namespace
