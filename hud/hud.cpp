// hud.cpp: the HUD pass of one half: the introduction, the controls screen over the farm
// plan, the win and lose banners, and the play panel (hay counters, stamina bar, syringe).
#include "hud/hud.h"
#include "hud/panels.h"
#include "models/draw_handlers.h"
#include "models/primitives.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "input/keys.h"
#include "models/draw_passes.h"
#include "hud/fonts.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <string>

int hudIntroCounter;

namespace {

constexpr float PanelDepth = -1.0f; // eye z of every panel item: the near plane of a half
// The reach of the half the panels were laid out for (400 / 600 in an 800 x 600 window): a wide
// panel keeps each group of the play panel as far from its edge of the window as a half does.
constexpr float HalfReach = 400.0f / 600.0f;

std::string controlsExtraLine; // process lifetime: set by the shell as each round starts

// `text` with its baseline starting at (x, y) of the panel, `scale` font units per unit.
void textAt(float x, float y, float scale, const char *text) {
    glPushMatrix();
    glTranslatef(x, y, PanelDepth);
    glScalef(scale, scale, 0);
    drawText(text);
    glPopMatrix();
}

void drawIntroPanel(const Cow *cow) {
    textAt(-0.55f, 0.7f, 0.0018f, "PLAYER:");
    textAt(-0.5f, 0.5f, 0.0015f, cow->name);
    textAt(-0.65f, 0.1f, 0.0007f, "COLLECT ");
    textAt(-0.155f, 0.1f, 0.0007f, formatThreeDigits(winningBank));
    textAt(0, 0.1f, 0.0007f, " HAY TO WIN!");
    textAt(-0.5f, -0.5f, 0.0005f, controlsHint(cow));
}

void drawControlsScreen(const Cow *cow) {
    fillControlLabels(cow);
    constexpr float left = -0.6f, lineScale = 0.0006f;
    textAt(left, 0.8f, 0.0015f, "CONTROLS");
    for (int line = 0; line < ControlLineCount; line++)
        textAt(left, 0.6f - 0.2f * static_cast<float>(line), lineScale, ControlLabels[line]);
    textAt(left, -0.6f, lineScale, "NEW GAME: 'N'");
    textAt(left, -0.8f, lineScale, "QUIT: ESC");
    if (!controlsExtraLine.empty())
        textAt(0.1f, -0.8f, lineScale, controlsExtraLine.c_str());
}

// Where a part of the controls screen goes in the view: moved by (x, y), scaled by (sx, sy).
struct Placement {
    float x, y, sx, sy;
};

// The controls screen in the lower half of the view, the farm plan in the upper half; across a
// wide view the controls at the left, their letters as large as in a half, and a taller plan at
// the right.
void drawControlsAndMap(const Cow *cow, const PanelLayout &layout) {
    const Placement controls =
        layout.wide ? Placement{-0.5f, 0, 0.5f, 0.5f} : Placement{0, -0.5f, 1, 0.5f};
    const Placement plan =
        layout.wide ? Placement{0.5f, 0, 0.48f, 0.64f} : Placement{0, 0.5f, 1, 0.5f};
    glPushMatrix();
    glTranslatef(controls.x, controls.y, 0);
    glScalef(controls.sx, controls.sy, 1);
    drawControlsScreen(cow);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(plan.x, plan.y, 0);
    glScalef(plan.sx, plan.sy, 1);
    drawOverheadMap();
    glPopMatrix();
}

void drawResultBanner(const Cow *cow, const char *result) {
    textAt(-0.6f, 0, 0.001f, cow->name);
    textAt(0.1f, 0, 0.001f, result);
}

// A hay bale icon: offset from the panel point (baseX, baseY), optionally stood upright,
// `size` units across per bale unit (z mirrored so the bale reaches away from the eye).
void hayIcon(float baseX, float baseY, float dx, float dy, float dz, bool upright, float size) {
    glPushMatrix();
    glTranslatef(baseX, baseY, PanelDepth);
    glTranslatef(dx, dy, dz);
    if (upright)
        glRotatef(90, 1, 0, 0);
    glScalef(size, size, -size);
    drawHayBale(0, 0);
    glPopMatrix();
}

void drawBankedHay(const Cow *cow) {
    constexpr float x = 0.25f, y = -0.9f;
    hayIcon(x, y, 0.02f, 0.1f, -0.08f, true, 0.08f);
    hayIcon(x, y, 0.17f, 0.1f, -0.1f, true, 0.1f);
    hayIcon(x, y, 0.36f, 0.1f, -0.1f, true, 0.12f);
    textAt(x, y, 0.0015f, formatThreeDigits(cow->bankedHay));
}

void drawCarriedHay(const Cow *cow) {
    constexpr float x = -0.5f, y = -0.9f;
    hayIcon(x, y, 0, 0, 0, false, 0.1f);
    textAt(x, y, 0.0015f, formatTwoDigits(cow->carriedHay));
}

// A bar 0.038 wide standing on y = -0.9, stamina / 500 high, its number just above it.
void drawStaminaBar(const Cow *cow) {
    const float stamina = cow->stamina;
    glPushMatrix();
    glTranslatef(-0.6f, stamina / 1000 - 0.9f, PanelDepth);
    glScalef(0.038f, stamina / 500, 0);
    drawCube(1);
    glPopMatrix();
    textAt(-0.625f, stamina / 500 - 0.88f, 0.0002f,
           formatThreeDigits(static_cast<int>(stamina))); // truncated toward zero
}

void drawSyringeIndicator(const Cow *cow) {
    if (cow->carriedEffect != slowDown)
        return;
    glPushMatrix();
    glTranslatef(-0.1f, -0.9f, PanelDepth);
    glRotatef(90, 0, 0, 1);
    glScalef(0.15f, 0.15f, -0.15f);
    drawSyringeItem(0, 0);
    glPopMatrix();
}

// The advance of `text` drawn at `scale`, in the units it is drawn in (0 without fonts).
float textWidth(const char *text, float scale) {
    return Fonts[CurrentFont] ? Fonts[CurrentFont]->Advance(text) * scale : 0;
}

// The rival's bank in the top right corner of a wide view: its name, a bale and the count.
void drawRivalBank(const Cow *rival, float reach) {
    constexpr float y = 0.85f, nameScale = 0.0007f, countScale = 0.001f;
    const float countX = reach - 0.06f - textWidth("000", countScale);
    const float nameX = countX - 0.17f - textWidth(rival->name, nameScale);
    textAt(nameX, y, nameScale, rival->name);
    hayIcon(countX, y, -0.07f, 0.05f, -0.05f, true, 0.06f);
    textAt(countX, y, countScale, formatThreeDigits(rival->bankedHay));
}

// In a wide view the bank goes to the right edge, the load, the bar and the syringe to the left
// edge, and the rival's bank shows too.
void drawPlayPanel(const Cow *cow, const PanelLayout &layout) {
    const float spread = layout.wide ? layout.reach - HalfReach : 0;
    glPushMatrix();
    glTranslatef(spread, 0, 0);
    drawBankedHay(cow);
    glTranslatef(-2 * spread, 0, 0);
    drawCarriedHay(cow);
    drawStaminaBar(cow);
    drawSyringeIndicator(cow);
    glPopMatrix();
    if (layout.wide && cow->other)
        drawRivalBank(cow->other, layout.reach);
}

} // namespace

namespace {

HudPanel panelOf(const Cow *cow) {
    const bool rivalWon = cow->other && cow->other->won;
    return chooseHudPanel(hudIntroCounter, isKeyDown(cow->keyControls), cow->won, rivalWon);
}

} // namespace

void advanceHudIntro(const Cow *cow) {
    if (panelOf(cow) == HudPanel::Introduction)
        hudIntroCounter++;
}

void setControlsExtraLine(const char *line) {
    controlsExtraLine = line;
}

void drawTitleLines(const char *first, const char *second, int windowWidth, int windowHeight) {
    if (windowWidth <= 0 || windowHeight <= 0)
        return;
    constexpr float scale = 0.00042f, firstY = -0.83f, secondY = -0.93f;
    glPushMatrix();
    const float reach = static_cast<float>(windowWidth) / static_cast<float>(windowHeight);
    glScalef(1 / reach, 1, 1); // letters as wide as they are high in any window
    textAt(-textWidth(first, scale) / 2, firstY, scale, first);
    textAt(-textWidth(second, scale) / 2, secondY, scale, second);
    glPopMatrix();
}

void drawHud(Cow *cow, const PanelLayout &layout) {
    switch (panelOf(cow)) {
    case HudPanel::Introduction:
        drawIntroPanel(cow);
        break;
    case HudPanel::Controls:
        drawControlsAndMap(cow, layout);
        break;
    case HudPanel::WinBanner:
        drawResultBanner(cow, "   WINS!");
        break;
    case HudPanel::LoseBanner:
        drawResultBanner(cow, "LOSES!");
        break;
    case HudPanel::Play:
        drawPlayPanel(cow, layout);
        break;
    }
}
