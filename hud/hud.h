// hud.h: each half's player panel, and the text routines under it.
#pragma once

struct Cow;

extern int hudIntroCounter; // HUD passes that showed the introduction; 0 at each new game

void createFonts(const char *fileName);  // the font set; ends the program on failure
void drawText(const char *text);         // white extruded text at the current transform
const char *formatThreeDigits(int value); // "000".."999" into NumberText
const char *formatTwoDigits(int value);   // "00".."99" into NumberText
void drawHud(Cow *cow);                   // one panel for the half of `cow`
