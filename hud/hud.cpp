// hud.cpp: the HUD pass of one half: the introduction, the controls screen over the farm
// plan, the win and lose banners, and the play panel (hay counters, stamina bar, syringe).
#include "hud/hud.h"
#include "hud/panels.h"
#include "models/draw_handlers.h"
#include "models/primitives.h"
#include "rules/cow.h"
#include "rules/handlers.h"
#include "input/keys.h"
#include "world/draw_passes.h"

#include <GL/gl.h>

int hudIntroCounter;

namespace {

constexpr float PanelDepth = -1.0f; // eye z of every panel item: the near plane of a half

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
}

// The controls screen in the lower half of the view, the farm plan in the upper half.
void drawControlsAndMap(const Cow *cow) {
    glPushMatrix();
    glTranslatef(0, -0.5f, 0);
    glScalef(1, 0.5f, 1);
    drawControlsScreen(cow);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(0, 0.5f, 0);
    glScalef(1, 0.5f, 1);
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

void drawPlayPanel(const Cow *cow) {
    drawBankedHay(cow);
    drawCarriedHay(cow);
    drawStaminaBar(cow);
    drawSyringeIndicator(cow);
}

} // namespace

void drawHud(Cow *cow) {
    const bool rivalWon = cow->other && cow->other->won;
    switch (chooseHudPanel(hudIntroCounter, isKeyDown(cow->keyControls), cow->won, rivalWon)) {
    case HudPanel::Introduction:
        drawIntroPanel(cow);
        hudIntroCounter++;
        break;
    case HudPanel::Controls:
        drawControlsAndMap(cow);
        break;
    case HudPanel::WinBanner:
        drawResultBanner(cow, "   WINS!");
        break;
    case HudPanel::LoseBanner:
        drawResultBanner(cow, "LOSES!");
        break;
    case HudPanel::Play:
        drawPlayPanel(cow);
        break;
    }
}
