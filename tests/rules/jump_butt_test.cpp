// jump_butt_test.cpp: the jump arc, contact and blocking, head-butts and cow-against-cow contact.
#include "tests/rules/rules_fixture.h"

#include <cmath>

// A grass field with a rock at (9, 1) and a fence at (3, 3); cow 1 at (6, 1), cow 2 at (6, 4).
class Yard : public RulesTest {
  protected:
    void SetUp() override {
        RulesTest::SetUp();
        load({"_ _ _ _ _ _ _ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _1_ _ _o_ _ _ _ ",
              "_ _ _ _ _ _ _ _ _ _ _ _ _ _ ", "_ _ _ _#_ _ _ _ _ _ _ _ _ _ ",
              "_ _ _ _ _ _ _2_ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ "});
    }
};
using Jumping = Yard;
using Contact = Yard;
using HeadButt = Yard;

TEST_F(Jumping, TheArcHasSixteenStepsAndOneMoo) {
    const float heights[] = {0,      0.416f, 0.845f, 1.231f, 1.554f, 1.798f, 1.949f, 2.000f,
                             1.956f, 1.813f, 1.576f, 1.259f, 0.877f, 0.450f, 0};
    hold({VK_Insert});
    for (int step = 0; step < 15; step++) {
        frame();
        ASSERT_TRUE(cow1->jumping) << "step " << step + 1;
        EXPECT_NEAR(cow1->jumpHeight, heights[step], 0.0015) << "step " << step + 1;
        EXPECT_NEAR(cow1->z, cow1->groundHeight + cow1->jumpHeight, 1e-6);
    }
    EXPECT_GT(cow1->jumpHeight, 0.0f); // sin of 180 whole degrees at this factor
    hold({});
    frame(); // the 16th step lands
    EXPECT_FALSE(cow1->jumping);
    EXPECT_EQ(cow1->jumpHeight, 0.0f);
    EXPECT_EQ(cow1->jumpPhase, 0.0f);
    EXPECT_EQ(count("play Cow1Jump"), 1);
    frame();
    EXPECT_FALSE(cow1->jumping);
}

TEST_F(Jumping, HoldingTheKeyJumpsAgainInTheUpdateAfterLanding) {
    hold({VK_Insert});
    frames(16);
    EXPECT_FALSE(cow1->jumping);
    frame();
    EXPECT_TRUE(cow1->jumping);
    EXPECT_EQ(count("play Cow1Jump"), 2);
}

TEST_F(Jumping, TheMooFollowsEachCowsScale) {
    modelScale[0] = Cow1BigScale;
    modelScale[1] = Cow2BigScale;
    hold({VK_Insert, 'T'});
    frame();
    EXPECT_EQ(count("play Cow1BigJump"), 1);
    EXPECT_EQ(count("play Cow2BigJump"), 1);
    clearRecord();
    hold({});
    frames(16);
    modelScale[0] = Cow1NormalScale;
    modelScale[1] = Cow2NormalScale;
    hold({VK_Insert, 'T'});
    frame();
    EXPECT_EQ(count("play Cow1Jump"), 1);
    EXPECT_EQ(count("play Cow2JumpSoundSource"), 1);
}

TEST_F(Jumping, AJumpFixesTheHeadingButNotTheFacing) {
    hold({VK_Insert, VK_Left});
    frame();
    hold({VK_Down});
    frames(3);
    EXPECT_EQ(cow1->dirX, -1);
    EXPECT_EQ(cow1->dirY, 0);
    EXPECT_NE(cow1->facing, 18); // it turned toward the down key
    EXPECT_LT(cow1->x, 6.0f);    // and kept walking along its heading
}

TEST_F(Jumping, JumpAndButtTogetherFromRestOnlyJump) {
    cow1->stamina = 90;
    hold({VK_Insert, VK_Delete});
    frames(3);
    EXPECT_TRUE(cow1->jumping);
    EXPECT_FALSE(cow1->butting);
    EXPECT_EQ(cow1->stamina, 90.0f); // no regeneration while the butt key is held
    EXPECT_EQ(count("play CowHBSoundSource"), 0);
}

TEST_F(Jumping, AJumpFromAHillKeepsItsBaseUntilLanding) {
    freeWorld();
    load({"_ _ _ _ _ _ _ _ ", "_ _ e _1_ _ _ _ ", "_ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _2"});
    hold({VK_Left});
    frames(3); // walking onto the hill takes its height at once
    EXPECT_FLOAT_EQ(cow1->z, 3.0f);
    hold({VK_Insert, VK_Left});
    frames(6);
    EXPECT_LT(cow1->x, 2.0f); // off the hill, mid-air
    EXPECT_FLOAT_EQ(cow1->groundHeight, 3.0f);
    hold({});
    frames(10); // the 16th step lands: down to the grass at once
    EXPECT_FALSE(cow1->jumping);
    EXPECT_FLOAT_EQ(cow1->z, 0.9f);
}

TEST_F(Contact, HeightDecidesWhetherALowObjectIsTouched) {
    WorldObject *rock = objectAt(9, 1);
    ASSERT_NE(rock, nullptr);
    cow1->x = 8.0f;
    EXPECT_TRUE(contactTest(cow1, rock)); // standing: 0.9 + 0.3 < 1.9
    cow1->jumpHeight = 0.416f;
    EXPECT_TRUE(contactTest(cow1, rock));
    cow1->z = 0.9f + 0.416f; // drawn at the last height, now higher
    cow1->jumpHeight = 0.845f;
    EXPECT_FALSE(contactTest(cow1, rock));
    cow1->x = 6.9f; // two cells away: no overlap in x
    cow1->z = 0.9f;
    cow1->jumpHeight = 0;
    EXPECT_FALSE(contactTest(cow1, rock));
}

TEST_F(Contact, ARockBlocksAWalkingCowAndIsClearedInMidJump) {
    hold({VK_Right});
    frames(14);
    EXPECT_TRUE(cow1->blocked);
    EXPECT_LT(cow1->x + ProbeDistance, 9.0f); // its probe point stays out of the rock's cell
    EXPECT_GT(cow1->x, 8.48f);

    cow1->x = 7.6f; // a jump started two cells before the rock carries the cow over it
    cow1->speed = 0.5f;
    hold({VK_Right, VK_Insert});
    frames(8);
    EXPECT_GT(cow1->x, 9.0f);
}

TEST_F(HeadButt, FullButtsLungeFiveUnitsForFortyStamina) {
    cow1->dirX = 1;
    cow1->x = 1.0f;
    cow1->y = 0.5f;
    hold({VK_Delete});
    frame();
    EXPECT_TRUE(cow1->butting);
    hold({}); // one press gives the whole lunge
    frames(5);
    EXPECT_FLOAT_EQ(cow1->x, 6.0f);
    EXPECT_FALSE(cow1->butting);
    EXPECT_EQ(count("play CowHBSoundSource"), 5);
    EXPECT_EQ(cow1->stamina, 60.0f);
    EXPECT_EQ(cow1->buttSteps, 5.0f);
    frame(); // not butting and the key up: reset and regenerate
    EXPECT_EQ(cow1->stamina, 60.5f);
    EXPECT_EQ(cow1->buttSteps, 0.0f);
}

TEST_F(HeadButt, ASpentButtNeedsTheKeyReleased) {
    cow1->dirX = 1;
    cow1->x = 0.8f;
    cow1->y = 0.5f;
    hold({VK_Delete, VK_Down}); // direction keys are ignored while butting
    frames(8);
    EXPECT_FLOAT_EQ(cow1->x, 5.8f);
    EXPECT_FLOAT_EQ(cow1->stamina, 60.0f);
    EXPECT_EQ(cow1->buttSteps, 5.0f);
    EXPECT_GT(cow1->y, 0.5f); // after the lunge the cow walks again
    hold({});
    frame();
    EXPECT_EQ(cow1->buttSteps, 0.0f);
}

TEST_F(HeadButt, LowStaminaLungesOnceAndGoesNegative) {
    cow1->dirX = 1;
    cow1->x = 0.8f;
    cow1->stamina = 4;
    hold({VK_Delete});
    frames(3);
    EXPECT_FLOAT_EQ(cow1->x, 1.8f);
    EXPECT_EQ(cow1->stamina, -4.0f);
    EXPECT_FALSE(cow1->butting);
}

TEST_F(HeadButt, AFenceEndsTheButtAfterTheStepThatReachesIt) {
    cow2->x = 6.0f;
    cow2->dirX = -1; // the fence at (3, 3) lies two and a half cells ahead
    cow2->y = 3.5f;
    hold({'F'});
    frame();
    frame(); // this lunge step reaches the fence and is backed out
    EXPECT_TRUE(cow2->blocked);
    float x = cow2->x;
    EXPECT_GT(x + static_cast<float>(-ProbeDistance), 4.0f - 0.02f);
    frame();
    EXPECT_FALSE(cow2->butting);
    EXPECT_EQ(cow2->x, x);
    EXPECT_EQ(cow2->buttSteps, 2.0f);
}

// Cow 2 butts cow 1 from below, away from both homes, carrying `mine` while cow 1 carries
// `theirs`.
static void buttFromBelow(RulesTest &test, int mine, int theirs) {
    cow1->x = 11.0f;
    cow1->y = 1.0f;
    cow1->stunned = false;
    cow1->stamina = 100;
    cow1->carriedHay = theirs;
    cow2->x = 11.0f;
    cow2->y = 4.0f;
    cow2->dirX = 0;
    cow2->dirY = -1;
    cow2->butting = false;
    cow2->buttSteps = 0;
    cow2->stamina = 100;
    cow2->carriedHay = mine;
    test.clearRecord();
    setKeyDown('F', true);
    test.frame(); // the first lunge step ends two rows short
    EXPECT_FALSE(cow1->stunned);
    test.frame(); // the second reaches cow 1
    setKeyDown('F', false);
}

TEST_F(HeadButt, AButtStunsTakesHayAndBreaksTheSyringe) {
    cow1->carriedEffect = slowDown;
    buttFromBelow(*this, 6, 7);
    EXPECT_TRUE(cow1->stunned);
    EXPECT_EQ(cow1->stamina, 0.0f);
    EXPECT_EQ(cow2->carriedHay, 10);
    EXPECT_EQ(cow1->carriedHay, 3);
    EXPECT_TRUE(cow1->carriedEffect == noTouch);
    EXPECT_EQ(count("resume Hit"), 1);
    EXPECT_EQ(count("play SyringeBreak"), 1);
    EXPECT_FALSE(contactTest(cow2, cow1)); // the mover backed off
    EXPECT_FLOAT_EQ(cow1->y, 1.0f);        // the butted cow is not pushed

    buttFromBelow(*this, 0, 2);
    EXPECT_EQ(cow2->carriedHay, 2);
    EXPECT_EQ(cow1->carriedHay, 0);

    cow1->carriedEffect = slowDown;
    buttFromBelow(*this, 10, 4); // a full carrier takes nothing but still stuns
    EXPECT_TRUE(cow1->stunned);
    EXPECT_EQ(cow2->carriedHay, 10);
    EXPECT_EQ(cow1->carriedHay, 4);
    EXPECT_EQ(count("play SyringeBreak"), 1);
}

TEST_F(HeadButt, AStunLastsSixtyOneUpdatesAndStopsEverything) {
    cow1->stunned = true; // as a butt leaves it
    cow1->stunTimer = 0;
    cow1->stamina = 0;
    hold({VK_Left, VK_Insert, VK_Delete});
    for (int i = 1; i <= 61; i++) {
        ASSERT_TRUE(cow1->stunned) << "update " << i;
        frame();
    }
    EXPECT_FALSE(cow1->stunned);
    EXPECT_EQ(cow1->x, 6.0f);
    EXPECT_FALSE(cow1->jumping);
    EXPECT_EQ(cow1->stamina, 0.0f);
    hold({});
    frame();
    EXPECT_EQ(cow1->stamina, 0.5f);
}

TEST_F(HeadButt, TheRivalButtedByCow1IsStunnedInItsOwnUpdateOfTheFrame) {
    cow1->x = 6.0f;
    cow1->y = 2.5f;
    cow1->dirX = 0;
    cow1->dirY = 1; // heading at cow 2 at (6, 4)
    hold({VK_Delete, 'S', 'T'});
    frame();
    EXPECT_TRUE(cow2->stunned);
    EXPECT_EQ(cow2->stunTimer, 1); // counted in its own update
    EXPECT_FALSE(cow2->jumping);   // it could not jump
    EXPECT_EQ(cow2->y, 4.0f);      // nor walk
}

TEST_F(HeadButt, WalkingIntoTheRivalDeliversTheInjectionOnce) {
    cow1->carriedEffect = slowDown;
    cow1->x = 6.0f;
    cow1->y = 1.8f;
    cow1->dirX = 0;
    hold({VK_Down});
    frames(5);
    EXPECT_FALSE(cow2->stunned);
    EXPECT_EQ(console(), "SLOW!");
    EXPECT_EQ(count("play InjectSyringe"), 1);
    EXPECT_EQ(count("play Slowdown"), 1);
    EXPECT_TRUE(cow1->carriedEffect == noTouch);
    EXPECT_TRUE(cow2->recovering);
    EXPECT_LT(cow2->maxSpeed, 0.06f);
    EXPECT_FALSE(contactTest(cow1, cow2));
}

TEST_F(HeadButt, StaminaRegeneratesToTheFirstValueAtOrAbove100) {
    cow1->stamina = 99.8f;
    frame();
    EXPECT_FLOAT_EQ(cow1->stamina, 100.3f);
    frame();
    EXPECT_FLOAT_EQ(cow1->stamina, 100.3f);
}
