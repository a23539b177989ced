// world_rules_test.cpp: gates, water, items and the injection, hay, banking, stealing, winning.
#include "tests/rules/rules_fixture.h"

using Gates = RulesTest;
using Water = RulesTest;
using Items = RulesTest;
using Hay = RulesTest;

namespace {
// Gates of cow 1 at (3, 1) and (3, 4); cow 1 at (0, 1), cow 2 at (9, 3).
void loadGates(RulesTest &test) {
    test.load({"_ _ _ _ _ _ _ _ _ _ ", "_1_ _ _\\_ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ ",
               "_ _ _ _ _ _ _ _ _ _2", "_ _ _ _\\_ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ "});
}

// One head-butt by cow 2 heading -x: the key for one frame, then the lunge runs out.
void buttOnce(RulesTest &test) {
    test.hold({'F'});
    test.frame();
    test.hold({});
    test.frames(6);
}
} // namespace

TEST_F(Gates, TheRivalIsBlockedUntilTheThirdButt) {
    loadGates(*this);
    WorldObject *gate = objectAt(3, 1);
    cow2->x = 6.0f;
    cow2->y = 1.0f;
    cow2->dirX = -1;
    hold({'A'});
    frames(12);
    EXPECT_GT(cow2->x, 4.48f); // the probe point stays out of the gate's cell
    EXPECT_GE(count("resume ChainJingle"), 1);
    EXPECT_EQ(gate->hitsLeft, 3); // walking into it counts nothing
    hold({});
    frames(6); // coast to a stop: a butt right after a block ends at once

    buttOnce(*this);
    EXPECT_EQ(gate->hitsLeft, 2);
    EXPECT_GT(cow2->x, 4.48f);
    buttOnce(*this);
    EXPECT_EQ(gate->hitsLeft, 1);
    EXPECT_FALSE(cow1->gateBroken);
    buttOnce(*this); // breaks it open: no block, the lunge carries on into the gateway
    EXPECT_EQ(gate->hitsLeft, 0);
    EXPECT_TRUE(cow1->gateBroken);
    EXPECT_LT(cow2->x, 3.0f);
}

TEST_F(Gates, TheOwnerOpensItsGatesAndAGateLeftAtZeroBreaksAtTheNextButt) {
    loadGates(*this);
    WorldObject *gate = objectAt(3, 1);
    WorldObject *otherGate = objectAt(3, 4);
    gate->hitsLeft = 0; // broken open earlier
    cow1->gateBroken = true;
    cow2->x = 8.0f; // out of the way
    cow1->x = 3.0f;
    cow1->y = 3.46f;
    cow1->dirX = 0;
    cow1->dirY = 1; // the owner walks into its other gate
    hold({VK_Down});
    frame();
    EXPECT_TRUE(cow1->atOwnGate);
    EXPECT_FALSE(cow1->gateBroken);
    EXPECT_EQ(otherGate->hitsLeft, 3);
    EXPECT_EQ(count("resume OpenGate"), 1);
    cow1->x = 8.0f; // away from its gates: atOwnGate lasts one update
    cow1->y = 5.0f;
    hold({});
    frame();
    EXPECT_FALSE(cow1->atOwnGate);

    // the first gate stayed at 0: one more butt breaks it again instead of blocking for ever
    cow2->x = 4.6f;
    cow2->y = 1.0f;
    cow2->dirX = -1;
    cow2->dirY = 0;
    buttOnce(*this);
    EXPECT_TRUE(cow1->gateBroken);
    EXPECT_LT(cow2->x, 3.5f);
}

TEST_F(Gates, TheOwnerButtingItsOwnGateOpensIt) {
    loadGates(*this);
    cow1->x = 1.5f;
    cow1->dirX = 1;
    hold({VK_Delete});
    frame();
    frame();
    EXPECT_EQ(objectAt(3, 1)->hitsLeft, 3);
    EXPECT_FALSE(cow1->blocked);
    EXPECT_GE(count("resume OpenGate"), 1);
}

namespace {
// Water at columns 2-4 of row 1 and 3-4 of row 2, a low hill at (5, 2); cow 1 at (0, 1).
void loadPond(RulesTest &test) {
    test.load({"_ _ _ _ _ _ _ _ _ _ ", "_1_ ~ ~ ~ _ _ _ _ _ ", "_ _ _ ~ ~ e _ _ _ _ ",
               "_ _ _ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _2"});
}
} // namespace

TEST_F(Water, SplashOneUpdateLateHalfSpeedAndBackToFullOnLand) {
    loadPond(*this);
    hold({VK_Right});
    while (cow1->tile->kind != '~')
        frame();
    EXPECT_FALSE(cow1->inWater); // drawn at grass height last frame
    EXPECT_EQ(count("play CowSplashSoundSource"), 0);
    frame();
    EXPECT_TRUE(cow1->inWater);
    EXPECT_EQ(count("play CowSplashSoundSource"), 1);
    EXPECT_EQ(count("play CowSonarSoundSource"), 1);
    EXPECT_EQ(cow1->maxSpeed, 0.25f);
    EXPECT_EQ(cow1->speed, 0.25f);
    while (cow1->tile->kind == '~')
        frame();
    EXPECT_FALSE(cow1->inWater);
    EXPECT_TRUE(cow1->leftWater);
    EXPECT_EQ(cow1->maxSpeed, 0.5f);
    EXPECT_EQ(count("play GetOutoftheWater"), 0);
    frame(); // the out-of-water sound comes one update later
    EXPECT_EQ(count("play GetOutoftheWater"), 1);
    EXPECT_FALSE(cow1->leftWater);
    EXPECT_EQ(count("play CowSplashSoundSource"), 1);
}

TEST_F(Water, LeavingOntoAHillKeepsTheCowInWater) {
    loadPond(*this);
    cow1->x = 3.2f;
    cow1->y = 2.5f;
    hold({});
    frames(2); // sinks and splashes
    ASSERT_TRUE(cow1->inWater);
    hold({VK_Right});
    while (cow1->tile->kind != 'e')
        frame();
    EXPECT_TRUE(cow1->inWater);
    EXPECT_EQ(cow1->maxSpeed, 0.25f);
    while (cow1->tile->kind != '_')
        frame();
    EXPECT_FALSE(cow1->inWater);
    EXPECT_FALSE(cow1->leftWater);
    EXPECT_EQ(cow1->maxSpeed, 0.25f); // only a step straight from water restores 0.5
}

TEST_F(Water, TheSonarStopsOnlyWhenTheOtherCowIsOutOfTheWater) {
    loadPond(*this);
    cow2->inWater = true; // cow 2 cleared it on its grass only after cow 1's update
    frame();
    EXPECT_EQ(count("stop CowSonarSoundSource"), 1);
    frame();
    EXPECT_EQ(count("stop CowSonarSoundSource"), 3);
}

namespace {
// In row 1 from cow 1 at (1, 1): syringes at 3 and 5, a grow pill at 7, a head pill at 9 and
// a snail pill at 11. Cow 2 at (1, 4).
void loadItems(RulesTest &test) {
    test.load({"_ _ _ _ _ _ _ _ _ _ _ _ _ _ ", "_ _1_ _!_ _!_ _+_ _Y_ _@_ _ ",
               "_ _ _ _ _ _ _ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ ",
               "_ _2_ _ _ _ _ _ _ _ _ _ _ _ "});
}
} // namespace

TEST_F(Items, WalkingOverTheItemsTakesEachOfThem) {
    loadItems(*this);
    hold({VK_Right});
    frames(40);
    EXPECT_EQ(removed(), (std::vector<std::string>{"3,1", "5,1", "7,1", "9,1", "11,1"}));
    for (int column : {3, 5, 7, 9, 11})
        EXPECT_EQ(objectAt(column, 1), nullptr);
    EXPECT_EQ(count("play SyringePickup"), 2);
    EXPECT_TRUE(cow1->carriedEffect == slowDown); // one injection however many syringes
    EXPECT_EQ(count("play CowGrowSoundSource"), 1);
    EXPECT_TRUE(cow1->big);
    EXPECT_EQ(modelScale[0], Cow1BigScale);
    EXPECT_EQ(cow1->stamina, 200.0f);
    int played = 0;
    for (const std::string &s : sounds())
        played += s.rfind("stop ", 0) != 0;
    EXPECT_EQ(played, 3); // the pills without a kind of their own are silent
}

TEST_F(Items, ABigCowShrinksAtOneHundredStamina) {
    loadItems(*this);
    takeGrowPill(cow1, 0, 0);
    cow1->stamina = 150;
    takeGrowPill(cow1, 0, 0); // a second pill while big: 200 again
    EXPECT_EQ(cow1->stamina, 200.0f);
    EXPECT_TRUE(cow1->big);
    cow1->stamina = 104; // one butt step takes it to 96
    cow1->dirY = -1;
    cow1->dirX = 0;
    hold({VK_Delete});
    frame();
    EXPECT_FALSE(cow1->big);
    EXPECT_EQ(modelScale[0], Cow1NormalScale);
    EXPECT_EQ(count("play CowShrinkSoundSource"), 1);

    takeGrowPill(cow1, 0, 0); // a big cow knocked over shrinks in its next update
    cow2->butting = true;
    stunOther(cow2);
    cow2->butting = false;
    hold({});
    frame();
    EXPECT_FALSE(cow1->big);
    EXPECT_EQ(count("play CowShrinkSoundSource"), 2);
}

TEST_F(Items, AnInjectionRecoversIn200UpdatesPausedByAStun) {
    loadItems(*this);
    slowDown(cow2, 0, 0);
    EXPECT_EQ(console(), "SLOW!");
    EXPECT_EQ(count("play Slowdown"), 1);
    EXPECT_EQ(cow2->maxSpeed, 0.05f);
    cow2->stunned = true;
    frames(60);
    EXPECT_EQ(cow2->maxSpeed, 0.05f); // paused while stunned
    int updates = 0;
    while (cow2->recovering && updates < 400) {
        frame();
        updates++;
    }
    EXPECT_GE(updates, 200);
    EXPECT_LE(updates, 202);
    EXPECT_EQ(cow2->maxSpeed, 0.5f);
}

namespace {
// Hay at (5, 1) and (6, 1); cow 1 home at (1, 1), cow 2 home at (10, 4).
void loadHay(RulesTest &test) {
    test.load({"_ _ _ _ _ _ _ _ _ _ _ _ ", "_ _1_ _ _ _*_*_ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ _ _ ",
               "_ _ _ _ _ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _2_ _ "});
}
} // namespace

TEST_F(Hay, ABaleFillsTheLoadToTenThenStays) {
    loadHay(*this);
    cow1->x = 3.0f; // just outside the home box
    cow1->dirX = 1;
    cow1->carriedHay = 9;
    hold({VK_Right});
    frames(10);
    EXPECT_EQ(cow1->carriedHay, 10);
    EXPECT_EQ(objectAt(5, 1), nullptr);
    EXPECT_EQ(count("resume CowChewSoundSource"), 1);

    cow1->x = 5.6f; // standing against the next bale: it stays, CowFull every update
    cow1->speed = 0;
    hold({});
    clearRecord();
    frames(3);
    EXPECT_NE(objectAt(6, 1), nullptr);
    EXPECT_EQ(cow1->carriedHay, 10);
    EXPECT_EQ(count("resume CowFull"), 3);
    EXPECT_FALSE(cow1->blocked);
}

TEST_F(Hay, BankingAtHomeAndWinningInTheSameUpdate) {
    loadHay(*this);
    cow1->carriedHay = 4;
    cow1->bankedHay = 55;
    frame();
    EXPECT_EQ(cow1->bankedHay, 59); // 59 does not win
    EXPECT_FALSE(cow1->won);
    EXPECT_EQ(count("play HayYAYSoundSource"), 1);
    frame();
    EXPECT_EQ(count("play HayYAYSoundSource"), 1); // nothing carried: no cheer
    cow1->carriedHay = 1;
    cow2->carriedHay = 5;
    cow2->bankedHay = 30;
    frame();
    EXPECT_TRUE(cow1->won);
    EXPECT_FALSE(cow2->won);
    EXPECT_EQ(cow1->bankedHay + cow1->carriedHay + cow2->bankedHay + cow2->carriedHay, 0);
    EXPECT_EQ(count("play GameWon"), 1);

    cow2->x = 4.4f; // after a win the loser cannot take hay
    cow2->y = 1.0f;
    cow2->dirX = 1;
    cow2->dirY = 0;
    hold({'D'});
    frames(4);
    EXPECT_NE(objectAt(5, 1), nullptr);
    EXPECT_EQ(cow2->carriedHay, 0);
    EXPECT_GE(count("resume CowFull"), 1);
}

TEST_F(Hay, StealingFromTheOtherBank) {
    loadHay(*this);
    cow1->x = 10.5f;
    cow1->y = 2.5f; // inside cow 2's home box
    cow2->x = 3.0f; // cow 2 away from it
    cow2->y = 3.0f;
    struct Case {
        int carried, bank, carriedAfter, bankAfter;
    };
    for (Case c : {Case{7, 25, 10, 22}, Case{7, 3, 10, 0}, Case{10, 8, 10, 8}, Case{0, 0, 0, 0}}) {
        cow1->carriedHay = c.carried;
        cow2->bankedHay = c.bank;
        clearRecord();
        updateCow(cow1);
        EXPECT_EQ(cow1->carriedHay, c.carriedAfter);
        EXPECT_EQ(cow2->bankedHay, c.bankAfter);
        EXPECT_EQ(count("play HayStolen"), 1); // whether or not anything moved
    }
}

TEST_F(Hay, WhereBothHomesOverlapTheCowBanksThenSteals) {
    load({"_ _ _ _ _ _ _ _ ", "_ _ _1_ _2_ _ _ ", "_ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ "});
    cow2->y = 3.5f; // away from cow 1; the homes stay at (2, 1) and (4, 1)
    cow1->x = 3.0f;
    cow1->carriedHay = 3;
    cow1->bankedHay = 2;
    cow2->bankedHay = 20;
    updateCow(cow1);
    EXPECT_EQ(cow1->bankedHay, 5);
    EXPECT_EQ(cow1->carriedHay, 10);
    EXPECT_EQ(cow2->bankedHay, 10);
}
