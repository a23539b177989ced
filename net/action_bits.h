// action_bits.h: one cow's held keys in a tick as a byte, the form they travel and are kept
// in: bit N is set while the action N of input/controls.h is held (Up, Down, Left, Right,
// Jump, Butt, Controls).
#pragma once

#include <cstdint>
#include <vector>

using ActionBits = std::uint8_t;

constexpr ActionBits AllActionBits = 0x7f; // the seven actions; higher bits are never set

// The actions of `player` (0: cow 1, 1: cow 2) held in the key table now.
ActionBits heldActionBits(int player);
// Hold exactly `cow1`'s and `cow2`'s actions in the key table (by each action's code, as the
// keyboard holds a script's keys), whatever held those keys before; other keys are left alone.
void holdActionBits(ActionBits cow1, ActionBits cow2);

// A tick's keys held for as long as it lives: holdActionBits, then the actions' keys put back
// as the keyboard, the pads and any computer player held them, so that a tick run with other
// keys (predicted, delayed, run again) takes nothing from what the local player holds.
class ActionBitsHeld {
  public:
    ActionBitsHeld(ActionBits cow1, ActionBits cow2);
    ~ActionBitsHeld();
    ActionBitsHeld(const ActionBitsHeld &) = delete;
    ActionBitsHeld &operator=(const ActionBitsHeld &) = delete;

  private:
    unsigned saved[2][7]; // each action's key sources, by player and action
};
// The key codes of both cows' actions held, by ascending code (a demo or script step's keys).
std::vector<int> actionKeyCodes(ActionBits cow1, ActionBits cow2);
// Both cows' actions among a script step's keys (other keys are ignored).
void actionBitsOfKeys(const std::vector<int> &keys, ActionBits &cow1, ActionBits &cow2);
