// volume.cpp: the volume keys and option, the settings lines, and the note that shows a change.
#include "shell/volume.h"
#include "audio/mix.h"
#include "hud/overlays.h"
#include "input/config_text.h"
#include "input/keys.h"
#include "shell/game.h"
#include "shell/screen_flow.h"
#include "shell/settings.h"

#include <strings.h>

namespace {

// --- Process lifetime ---
int volume = MaxVolume;
bool muted;
bool setOnCommandLine; // --volume: the settings file does not change the level or the mute
int noteTicksLeft;     // ticks the note stays on screen
bool keyWasDown[3];    // '-', '=', M at the last poll

void applyVolume() {
    setMasterGain(muted ? 0.0f : static_cast<float>(volume) / MaxVolume);
}

// The key `code` went down since the last poll.
bool pressed(int code, bool &wasDown) {
    const bool down = isKeyDown(code);
    const bool press = down && !wasDown;
    wasDown = down;
    return press;
}

} // namespace

int soundVolume() {
    return volume;
}

bool soundMuted() {
    return muted;
}

bool takeVolumeOption(const char *value, std::string &error) {
    setOnCommandLine = false; // a second --volume wins over the first
    if (!takeVolumeSetting(value, error))
        return false;
    muted = false;
    setOnCommandLine = true;
    applyVolume();
    return true;
}

bool takeVolumeSetting(const std::string &value, std::string &reason) {
    const int level = static_cast<int>(wholeNumber(value, MaxVolume));
    if (level < 0) {
        reason = "the volume is a whole number from 0 to 100";
        return false;
    }
    if (!setOnCommandLine)
        volume = level;
    applyVolume();
    return true;
}

std::string volumeSetting() {
    return std::to_string(volume);
}

bool takeMutedSetting(const std::string &value, std::string &reason) {
    const char *text = value.c_str();
    const bool yes =
        !strcasecmp(text, "yes") || !strcasecmp(text, "on") || !strcasecmp(text, "true");
    const bool no =
        !strcasecmp(text, "no") || !strcasecmp(text, "off") || !strcasecmp(text, "false");
    if (!yes && !no) {
        reason = "muted is yes or no";
        return false;
    }
    if (!setOnCommandLine)
        muted = yes;
    applyVolume();
    return true;
}

std::string mutedSetting() {
    return muted ? "yes" : "no";
}

void pollVolumeKeys() {
    const bool down = pressed(VK_Minus, keyWasDown[0]);
    const bool up = pressed(VK_Equals, keyWasDown[1]);
    const bool mute = pressed(VK_Mute, keyWasDown[2]);
    if (noteTicksLeft > 0 && --noteTicksLeft == 0)
        screenChanged = true; // the note leaves the picture
    if (!down && !up && !mute)
        return;
    if (mute)
        muted = !muted;
    else {
        muted = false; // a step is heard at once
        volume += up ? VolumeStep : -VolumeStep;
        volume = volume < 0 ? 0 : volume > MaxVolume ? MaxVolume : volume;
    }
    applyVolume();
    noteTicksLeft = VolumeNoteTicks;
    screenChanged = true;
    saveSettingsFile();
}

void drawVolumeNote() {
    if (noteTicksLeft == 0)
        return;
    const std::string text = muted ? "MUTED" : "VOLUME " + std::to_string(volume);
    drawScreenNote({0, 0, windowWidth, windowHeight}, text.c_str());
}
