// walking_test.cpp: speed and step arithmetic, heading, turning, and the edges of the map.
#include "tests/rules/rules_fixture.h"

#include <string>

// A grass field 12 cells wide and 5 rows high, cow 1 at (6, 1), cow 2 at (1, 4).
class Field : public RulesTest {
  protected:
    void SetUp() override {
        RulesTest::SetUp();
        load({"_ _ _ _ _ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _1_ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ _ _ ",
              "_ _ _ _ _ _ _ _ _ _ _ _ ", "_ _2_ _ _ _ _ _ _ _ _ _ "});
    }
};
using Walking = Field;

TEST_F(Walking, StepIsTheFloatSpeedCutToHundredths) {
    Cow *cow = cow1; // heading -x
    hold({VK_Left});
    for (int i = 0; i < 7; i++)
        accelerateAndStep(cow);
    cow->x = 0;
    accelerateAndStep(cow); // the 8th step from rest
    EXPECT_EQ(cow->x, -0.36f);

    hold({});
    cow->speed = 0.5f;
    cow->x = 0;
    accelerateAndStep(cow);
    EXPECT_EQ(cow->x, -0.41f);
    cow->x = 0;
    accelerateAndStep(cow);
    EXPECT_EQ(cow->x, -0.32f);

    cow->speed = cow->maxSpeed = 0.049f; // at the limit: no acceleration
    hold({VK_Left});
    cow->x = 0;
    accelerateAndStep(cow);
    EXPECT_EQ(cow->x, -0.04f);
    cow->speed = cow->maxSpeed = 0.5f;
    cow->x = 0;
    accelerateAndStep(cow);
    EXPECT_EQ(cow->x, -0.5f);
}

TEST_F(Walking, AcceleratesToTheLimitInTwelveUpdatesAndCoastsToAStop) {
    Cow *cow = cow1;
    hold({VK_Left});
    for (int i = 1; i <= 12; i++) {
        accelerateAndStep(cow);
        if (i < 12) {
            EXPECT_LT(cow->speed, 0.5f) << "update " << i;
        }
    }
    EXPECT_EQ(cow->speed, 0.5f);
    hold({});
    int updates = 0;
    while (cow->speed != 0 && updates < 10) {
        accelerateAndStep(cow);
        updates++;
    }
    EXPECT_LE(updates, 6);
    EXPECT_EQ(cow->speed, 0.0f);
}

TEST_F(Walking, HeadingFromTheDirectionKeys) {
    Cow *cow = cow1;
    hold({VK_Up, VK_Down}); // down wins
    readDirectionKeys(cow);
    EXPECT_EQ(cow->dirX, 0);
    EXPECT_EQ(cow->dirY, 1);
    hold({VK_Up, VK_Left, VK_Right}); // left wins
    readDirectionKeys(cow);
    EXPECT_EQ(cow->dirX, -1);
    EXPECT_EQ(cow->dirY, -1);
    hold({}); // the heading keeps its last value
    readDirectionKeys(cow);
    EXPECT_EQ(cow->dirX, -1);
    EXPECT_EQ(cow->dirY, -1);
    hold({VK_Right});
    readDirectionKeys(cow);
    EXPECT_EQ(cow->dirX, 1);
    EXPECT_EQ(cow->dirY, 0);
}

TEST_F(Walking, DiagonalStepsMoveBothCoordinatesByTheFullStep) {
    hold({VK_Down, VK_Right});
    cow1->y = 0.6f;
    frame();
    EXPECT_FLOAT_EQ(cow1->x, 6.04f);
    EXPECT_FLOAT_EQ(cow1->y, 0.64f);
}

TEST_F(Walking, EveryKeyCombinationTurnsToItsRestAngle) {
    struct Combination {
        std::initializer_list<int> keys;
        int rest; // degrees
    };
    const Combination combinations[] = {
        {{VK_Up}, 270},  {{VK_Up, VK_Right}, 306},  {{VK_Up, VK_Left}, 216},
        {{VK_Down}, 90}, {{VK_Down, VK_Right}, 36}, {{VK_Down, VK_Left}, 126},
        {{VK_Right}, 0}, {{VK_Left}, 180}};
    for (const Combination &c : combinations)
        for (int start = 0; start < 360; start += 18) {
            cow1->facing = start;
            hold(c.keys);
            for (int i = 0; i < 30; i++) {
                turnTowardKeys(cow1);
                ASSERT_EQ(cow1->facing % 18, 0) << "from " << start;
                ASSERT_GE(cow1->facing, 0);
                ASSERT_LE(cow1->facing, 342);
            }
            EXPECT_EQ(cow1->facing, c.rest) << "from " << start;
        }
}

TEST_F(Walking, TurningQuirksOfTheTable) {
    hold({VK_Down}); // two rules cancel at rest
    cow1->facing = 90;
    turnTowardKeys(cow1);
    EXPECT_EQ(cow1->facing, 90);
    hold({VK_Up}); // from 0 the second and third rules both turn
    cow1->facing = 0;
    turnTowardKeys(cow1);
    EXPECT_EQ(cow1->facing, 324);
    for (auto keys : {std::initializer_list<int>{VK_Up, VK_Down},
                      std::initializer_list<int>{VK_Left, VK_Right},
                      std::initializer_list<int>{VK_Up, VK_Left, VK_Right},
                      {}}) {
        hold(keys); // combinations outside the table leave facing alone
        cow1->facing = 54;
        turnTowardKeys(cow1);
        EXPECT_EQ(cow1->facing, 54);
    }
}

TEST_F(Walking, AfterReleaseTheCowCoastsOnItsHeadingThenAccelerates) {
    hold({VK_Down});
    frames(5);
    hold({});
    frame();
    EXPECT_EQ(cow1->dirY, 1); // still heading down while coasting
    float speed = cow1->speed;
    hold({VK_Up});
    frame();
    EXPECT_FLOAT_EQ(cow1->speed, speed + 0.045f);
}

TEST_F(Walking, TheCowStopsHalfACellShortOfTheMapEdge) {
    hold({VK_Right});
    frames(40);
    EXPECT_GT(cow1->x, 11.48f);
    EXPECT_LT(cow1->x, 11.499f);
    hold({VK_Left});
    frames(60);
    EXPECT_GT(cow1->x, 0.5f);
    EXPECT_LT(cow1->x, 0.52f);
}

TEST_F(Walking, ADiagonalBackOffMovesBothCoordinates) {
    hold({VK_Up, VK_Left});
    frames(6);
    EXPECT_GT(cow1->y, 0.5f);
    EXPECT_LT(cow1->y, 0.52f);
    EXPECT_NEAR(6 - cow1->x, 1 - cow1->y, 1e-4); // along the diagonal all the way
}

using Edges = RulesTest;

TEST_F(Edges, TheLastColumnOfAFullWidthMapIsNeverPassed) {
    std::string line(2 * GridSize, '_');
    for (int c = 0; c < GridSize; c++)
        line[2 * c + 1] = ' ';
    line[2 * 250 + 1] = '1';
    line[2 * 2 + 1] = '2';
    load({line.c_str()});
    hold({VK_Right});
    frames(40);
    EXPECT_GT(cow1->x, 255.48f);
    EXPECT_LT(cow1->x, 255.499f);
    EXPECT_TRUE(standsOnTile(cow1));
}

TEST_F(Edges, BackingOffFromTheOtherCowStopsAtTheMapEdge) {
    load({"_ _ _ _ _ _ ", "_1_2_ _ _ _ ", "_ _ _ _ _ _ "});
    cow1->dirX = 1; // both cows head +x: backing off would take them past column 0
    frame();
    for (Cow *cow : {cow1, cow2}) {
        EXPECT_TRUE(standsOnTile(cow));
        EXPECT_GE(cow->x, 0.0f);
    }
    frames(20);
    EXPECT_TRUE(standsOnTile(cow1));
    EXPECT_TRUE(standsOnTile(cow2));
}

TEST_F(Edges, ALungeAcrossACornerOfTheTilesEndsOnATile) {
    // row 1 is longer than the others: (10, 0) and (10, 2) have no tile
    load({"_ _ _ _ _ _ _ _ _ _ ", "_ _ _ _ _ _ _ _ _ _ _ _ ", "_1_ _ _ _ _ _ _2_ _ "});
    cow1->x = 11.4f;
    cow1->y = 1.9f;
    cow1->dirX = cow1->dirY = -1;
    hold({VK_Delete});
    updateCow(cow1);
    EXPECT_TRUE(cow1->butting);
    EXPECT_TRUE(standsOnTile(cow1));
    Cell probe = probeCell(cow1);
    EXPECT_NE(tileAt(probe.column, probe.row), nullptr);
    EXPECT_NEAR(cow1->x - cow1->y, 9.5f, 1e-4); // backed off along the lunge's diagonal
}
