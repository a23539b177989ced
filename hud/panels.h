// panels.h: which panel a half shows, and the key labels of the controls screen.
#pragma once

struct Cow;

// The five panels of a half.
enum class HudPanel { Introduction, Controls, WinBanner, LoseBanner, Play };

constexpr int HudIntroPasses = 200; // HUD passes (two per frame) that show the introduction

// The panel for a half, first match wins: the introduction while fewer than HudIntroPasses
// passes have shown it, the controls screen while the controls key is held, the win banner,
// the lose banner, else the play panel.
HudPanel chooseHudPanel(int introPasses, bool controlsHeld, bool won, bool rivalWon);

// Lines of the controls screen, top to bottom.
enum ControlLine { UpLine, DownLine, LeftLine, RightLine, JumpLine, AttackLine, ControlLineCount };
constexpr int ControlLabelSize = 20; // bytes per label, terminator included

// --- Process lifetime: shared by both players, refilled before each controls screen ---
extern char ControlLabels[ControlLineCount][ControlLabelSize];

// Write each line with the key bound to that action of `cow`.
void fillControlLabels(const Cow *cow);

// The introduction's hint for `cow`: the key that shows its controls screen. The text lives until
// the next call.
const char *controlsHint(const Cow *cow);
