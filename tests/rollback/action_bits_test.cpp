// action_bits_test.cpp: a tick's keys as bytes: held exactly for the tick, whatever the
// keyboard and the pads hold, and given back afterwards; and as a script step's keys.
#include "input/keys.h"
#include "net/action_bits.h"

#include <gtest/gtest.h>

namespace {

constexpr ActionBits Up = 1 << 0, Left = 1 << 2, Jump = 1 << 4, Controls = 1 << 6;

TEST(ActionBits, ATicksKeysAreHeldExactlyAndGivenBack) {
    releaseAllKeys();
    setKeyFrom(Pad1Source, VK_Up, true); // the local player holds cow 1's up on a pad
    setKeyDown('W', true);               // and cow 2's up on the keyboard
    EXPECT_EQ(heldActionBits(0), Up);
    EXPECT_EQ(heldActionBits(1), Up);
    {
        ActionBitsHeld held(Left, Jump | Controls); // a tick run with other keys
        EXPECT_EQ(heldActionBits(0), Left);
        EXPECT_EQ(heldActionBits(1), Jump | Controls);
        EXPECT_FALSE(isKeyDown(VK_Up));
        EXPECT_TRUE(isKeyDown(VK_F1));
    }
    EXPECT_EQ(heldActionBits(0), Up);
    EXPECT_EQ(heldActionBits(1), Up);
    setKeyFrom(Pad1Source, VK_Up, false); // the pad lets go: nothing else held it
    EXPECT_FALSE(isKeyDown(VK_Up));
    releaseAllKeys();
}

TEST(ActionBits, ScriptKeysBothWays) {
    const std::vector<int> keys = actionKeyCodes(Up | Jump, Left | Controls);
    EXPECT_EQ(keys, (std::vector<int>{VK_Up, VK_Insert, 'A', VK_F1})); // by ascending code
    ActionBits cow1 = 0, cow2 = 0;
    actionBitsOfKeys({'A', VK_Up, VK_Insert, VK_F1, 'N', VK_Space}, cow1, cow2);
    EXPECT_EQ(cow1, Up | Jump);
    EXPECT_EQ(cow2, Left | Controls);
}

} // namespace
