// hud.h: each half's player panel, and the text routines under it.
#pragma once

struct Cow;

extern int hudIntroCounter; // HUD passes that showed the introduction; 0 at each new game
// The frame code, after each HUD pass: count the pass if it showed the introduction.
void advanceHudIntro(const Cow *cow);

// Build the font set over `fileName`; writes the failure to stderr and exits with status 1.
void createFonts(const char *fileName);
void drawText(const char *text);          // white flat text at the current transform
const char *formatThreeDigits(int value); // "000".."999" into NumberText (clamped to 0..999)
const char *formatTwoDigits(int value);   // "00".."99" into NumberText (clamped to 0..99)
void drawHud(Cow *cow);                   // one panel for the half of `cow`
