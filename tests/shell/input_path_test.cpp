// input_path_test.cpp: keys and pads the way the game takes them, into a cow's rules: a key the
// controls file rebinds, the laptop keys, and SDL's virtual gamepads plugged in and out.
#include "input/controls.h"
#include "input/keys.h"
#include "rules/cow.h"
#include "rules/play_tick.h"
#include "shell/controls_file.h"
#include "shell/gamepads.h"
#include "shell/key_map.h"
#include "test_map.h"
#include "world/grids.h"

#include <SDL2/SDL.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class InputPath : public testing::Test {
  protected:
    void SetUp() override {
        releaseAllKeys();
        ASSERT_TRUE(loadTestMap(plainMap(12, 6, '_', 8, 3, 3, 3)));
    }
    void TearDown() override {
        freeWorld();
        releaseAllKeys();
        setControls(defaultControls());
    }
};

TEST_F(InputPath, AControlsFileMovesCowTwosJumpToAnotherKey) {
    const fs::path home =
        fs::temp_directory_path() / ("pasturon-config-" + std::to_string(getpid()));
    fs::create_directories(home / "pasturon");
    std::ofstream(home / "pasturon" / "controls.conf") << "# laptop\ncow2.jump = G\n";
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    EXPECT_EQ(controlsFilePath(), (home / "pasturon" / "controls.conf").string());
    loadControlsFile();
    fs::remove_all(home);

    keyboardKeyEvent('T', true); // the old key does nothing now
    stepPlayTick();
    EXPECT_FALSE(cow2->jumping);
    keyboardKeyEvent('T', false);
    keyboardKeyEvent('G', true);
    EXPECT_TRUE(isKeyDown('T')); // the rules see cow 2's jump key, as from the default key
    stepPlayTick();
    EXPECT_TRUE(cow2->jumping);
    keyboardKeyEvent('G', false);
    EXPECT_FALSE(isKeyDown('T'));
}

TEST_F(InputPath, AControlsFileThatIsAFifoOrTooLargeIsRefusedInOneLine) {
    const fs::path home =
        fs::temp_directory_path() / ("pasturon-config-" + std::to_string(getpid()));
    const fs::path file = home / "pasturon" / "controls.conf";
    fs::create_directories(file.parent_path());
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); // reading it would wait for a writer for ever
    testing::internal::CaptureStderr();
    loadControlsFile();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "controls.conf: not a regular file; the default controls are used\n");
    fs::remove(file);
    std::ofstream(file) << "cow2.jump = G\n" << std::string(70 * 1024, '#') << "\n";
    testing::internal::CaptureStderr();
    loadControlsFile();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "controls.conf: larger than 64 KiB; the default controls are used\n");
    EXPECT_EQ(gameKeyOf('G'), 'G'); // nothing of it was taken
    fs::remove_all(home);
}

TEST_F(InputPath, RightShiftAndRightCtrlAlsoJumpAndButtForCowOne) {
    keyboardKeyEvent(VK_RShift, true);
    stepPlayTick();
    EXPECT_TRUE(cow1->jumping);
    keyboardKeyEvent(VK_RShift, false);
    keyboardKeyEvent(VK_RControl, true);
    EXPECT_TRUE(isKeyDown(VK_Delete));
    keyboardKeyEvent(VK_Insert, true); // Insert keeps working alongside
    EXPECT_TRUE(isKeyDown(VK_Insert));
}

// A virtual gamepad of every standard button and axis.
int plugPad(const char *name) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = name;
    return SDL_JoystickAttachVirtualEx(&desc);
}

SDL_Joystick *joystickOf(int deviceIndex) {
    SDL_Joystick *joystick =
        SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(deviceIndex));
    return joystick ? joystick : SDL_JoystickOpen(deviceIndex);
}

TEST_F(InputPath, TwoVirtualPadsDriveTheCowsAndUnpluggingReleasesTheirKeys) {
    ASSERT_TRUE(openGamepads()) << SDL_GetError();
    const int first = plugPad("pad one");
    const int second = plugPad("pad two");
    ASSERT_GE(first, 0) << SDL_GetError();
    ASSERT_GE(second, 0) << SDL_GetError();
    pollGamepads(); // plugged in: the first pad is cow 1's, the second cow 2's
    SDL_Joystick *one = joystickOf(first), *two = joystickOf(second);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(cowOfGamepad(SDL_JoystickInstanceID(one)), 0);
    EXPECT_EQ(cowOfGamepad(SDL_JoystickInstanceID(two)), 1);

    SDL_JoystickSetVirtualButton(one, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualAxis(two, SDL_CONTROLLER_AXIS_LEFTX, -20000); // past the dead zone
    SDL_JoystickSetVirtualAxis(two, SDL_CONTROLLER_AXIS_LEFTY, 5000);   // inside it
    SDL_JoystickSetVirtualButton(two, SDL_CONTROLLER_BUTTON_START, 1);
    pollGamepads();
    EXPECT_TRUE(isKeyDown(VK_Insert)); // cow 1's jump
    EXPECT_TRUE(isKeyDown('A'));       // cow 2's left
    EXPECT_FALSE(isKeyDown('S'));
    EXPECT_FALSE(isKeyDown('W'));
    EXPECT_TRUE(isKeyDown(VK_Space));
    stepPlayTick();
    EXPECT_TRUE(cow1->jumping);

    // the keyboard and a pad holding the same key: letting go of one leaves it held
    setKeyDown('A', true);
    SDL_JoystickSetVirtualAxis(two, SDL_CONTROLLER_AXIS_LEFTX, 0);
    pollGamepads();
    EXPECT_TRUE(isKeyDown('A'));
    setKeyDown('A', false);
    EXPECT_FALSE(isKeyDown('A'));

    SDL_JoystickSetVirtualButton(two, SDL_CONTROLLER_BUTTON_X, 1); // X head-butts as B does
    pollGamepads();
    EXPECT_TRUE(isKeyDown('F'));
    SDL_JoystickDetachVirtual(second); // unplugged while holding: its keys go up
    pollGamepads();
    EXPECT_FALSE(isKeyDown('F'));
    EXPECT_FALSE(isKeyDown(VK_Space));
    EXPECT_TRUE(isKeyDown(VK_Insert)); // the other pad holds on
    SDL_JoystickDetachVirtual(0);
    pollGamepads();
    EXPECT_FALSE(isKeyDown(VK_Insert));
}

} // namespace
