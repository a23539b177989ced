// gamepads.cpp: SDL game controllers into the key table.
#include "shell/gamepads.h"
#include "input/controls.h"
#include "input/keys.h"
#include "shell/title_menu.h"

#include <SDL2/SDL.h>
#include <cstdio>

namespace {

constexpr Sint16 StickDeadZone = 8000; // of 32767: a stick closer to its centre holds nothing

// --- Process lifetime: the pad of each cow, null when none ---
struct Pad {
    SDL_GameController *controller;
    SDL_JoystickID id;
};
Pad pads[PlayerCount];
bool started;

KeySource sourceOf(int cow) {
    return cow == 0 ? Pad1Source : Pad2Source;
}

void connect(int deviceIndex) {
    for (int cow = 0; cow < PlayerCount; cow++)
        if (!pads[cow].controller) {
            SDL_GameController *controller = SDL_GameControllerOpen(deviceIndex);
            if (!controller)
                return;
            pads[cow] = {controller,
                         SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller))};
            return;
        }
}

void disconnect(SDL_JoystickID id) {
    for (int cow = 0; cow < PlayerCount; cow++)
        if (pads[cow].controller && pads[cow].id == id) {
            SDL_GameControllerClose(pads[cow].controller);
            pads[cow] = {nullptr, -1};
            releaseKeysFrom(sourceOf(cow));
        }
}

bool button(SDL_GameController *controller, SDL_GameControllerButton which) {
    return SDL_GameControllerGetButton(controller, which) != 0;
}

// The keys the pad of `cow` holds now.
void holdKeysOf(int cow) {
    SDL_GameController *c = pads[cow].controller;
    const Sint16 x = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    const Sint16 y = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY); // + is down
    const bool held[ActionCount] = {
        button(c, SDL_CONTROLLER_BUTTON_DPAD_UP) || y < -StickDeadZone,
        button(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN) || y > StickDeadZone,
        button(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT) || x < -StickDeadZone,
        button(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || x > StickDeadZone,
        button(c, SDL_CONTROLLER_BUTTON_A),
        button(c, SDL_CONTROLLER_BUTTON_B) || button(c, SDL_CONTROLLER_BUTTON_X),
        button(c, SDL_CONTROLLER_BUTTON_BACK),
    };
    // the codes of the cow this pad drives now (with one person playing, that person's cow);
    // whatever the pad held before is let go first, so a change of cow leaves nothing behind
    const KeySource source = sourceOf(cow);
    const int player = drivenPlayer(cow);
    releaseKeysFrom(source);
    for (int a = 0; a < ActionCount; a++)
        setKeyFrom(source, actionCode(player, static_cast<Action>(a)), held[a]);
    setKeyFrom(source, VK_Space, button(c, SDL_CONTROLLER_BUTTON_START));
    setKeyFrom(source, VK_Computer, button(c, SDL_CONTROLLER_BUTTON_Y));
}

} // namespace

bool openGamepads() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // Ctrl+C and kill stay the system's
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "No gamepads: %s\n", SDL_GetError());
        return false;
    }
    for (Pad &pad : pads)
        pad = {nullptr, -1};
    started = true;
    return true;
}

void pollGamepads() {
    if (!started)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED)
            connect(event.cdevice.which); // a device index
        else if (event.type == SDL_CONTROLLERDEVICEREMOVED)
            disconnect(event.cdevice.which); // an instance id
    }
    for (int cow = 0; cow < PlayerCount; cow++)
        if (pads[cow].controller)
            holdKeysOf(cow);
}

int cowOfGamepad(int instanceId) {
    for (int cow = 0; cow < PlayerCount; cow++)
        if (pads[cow].controller && pads[cow].id == instanceId)
            return cow;
    return -1;
}
