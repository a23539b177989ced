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
// How a panel is laid out: in one half of the split screen, or across one view filling the
// window (one person playing), whose edges at the panel's depth lie at x = -reach and +reach.
struct PanelLayout {
    bool wide;
    float reach;
};
constexpr PanelLayout HalfPanel = {false, 0};
void drawHud(Cow *cow, const PanelLayout &layout = HalfPanel); // one panel for the view of `cow`
// A line the controls screen adds beside "QUIT: ESC" (the view key's), empty for none.
void setControlsExtraLine(const char *line);
// The title screen's two lines, centred in the band under the farm plan, drawn with the
// projection at identity over a window of that size.
void drawTitleLines(const char *first, const char *second, int windowWidth, int windowHeight);
