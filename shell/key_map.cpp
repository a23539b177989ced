// key_map.cpp: GLUT key events into the key-state table, and the X server's own view of
// the keyboard for keys released while the window had no focus.
#include "shell/key_map.h"
#include "input/controls.h"
#include "input/keys.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

// The punctuation keys of a US keyboard, unshifted and shifted, and their virtual-key codes.
struct PunctuationKey {
    char plain, shifted;
    int code;
    unsigned long keysym;
};
constexpr PunctuationKey PunctuationKeys[] = {
    {';', ':', 186, XK_semicolon},   {'=', '+', 187, XK_equal},
    {',', '<', 188, XK_comma},       {'-', '_', 189, XK_minus},
    {'.', '>', 190, XK_period},      {'/', '?', 191, XK_slash},
    {'`', '~', 192, XK_grave},       {'[', '{', 219, XK_bracketleft},
    {'\\', '|', 220, XK_backslash},  {']', '}', 221, XK_bracketright},
    {'\'', '"', 222, XK_apostrophe},
};

int punctuationKey(unsigned char key) {
    for (const PunctuationKey &p : PunctuationKeys)
        if (key == static_cast<unsigned char>(p.plain) ||
            key == static_cast<unsigned char>(p.shifted))
            return p.code;
    return 0;
}

} // namespace

int virtualKeyFromChar(unsigned char key, bool ctrl) {
    if (ctrl && key >= 1 && key <= 26)
        return 'A' + key - 1; // Ctrl+letter arrives as a control character
    if (key >= 'a' && key <= 'z')
        return key - 'a' + 'A';
    if (key >= 'A' && key <= 'Z')
        return key;
    if (key >= '0' && key <= '9')
        return key;
    switch (key) {
    case ' ':
        return VK_Space;
    case 27:
        return ctrl ? 0 : VK_Escape; // Ctrl+[ also arrives as 27
    case 127:
        return VK_Delete;
    case 8:
        return 8; // backspace
    case 9:
        return 9; // tab
    case 13:
        return 13; // return
    default:
        return punctuationKey(key);
    }
}

int virtualKeyFromSpecial(int glutKey) {
    if (glutKey >= GLUT_KEY_F1 && glutKey <= GLUT_KEY_F12)
        return VK_F1 + glutKey - GLUT_KEY_F1;
    switch (glutKey) {
    case GLUT_KEY_LEFT:
        return VK_Left;
    case GLUT_KEY_UP:
        return VK_Up;
    case GLUT_KEY_RIGHT:
        return VK_Right;
    case GLUT_KEY_DOWN:
        return VK_Down;
    case GLUT_KEY_INSERT:
        return VK_Insert;
    case GLUT_KEY_DELETE:
        return VK_Delete;
    case GLUT_KEY_PAGE_UP:
        return 33;
    case GLUT_KEY_PAGE_DOWN:
        return 34;
    case GLUT_KEY_END:
        return 35;
    case GLUT_KEY_HOME:
        return 36;
    case GLUT_KEY_SHIFT_L:
        return VK_LShift;
    case GLUT_KEY_SHIFT_R:
        return VK_RShift;
    case GLUT_KEY_CTRL_L:
        return VK_LControl;
    case GLUT_KEY_CTRL_R:
        return VK_RControl;
    case GLUT_KEY_ALT_L:
        return VK_LMenu;
    case GLUT_KEY_ALT_R:
        return VK_RMenu;
    default:
        return 0;
    }
}

const unsigned long *keysymsOfVirtualKey(int code, int *count) {
    static unsigned long one[1];
    static const unsigned long deleteKeys[] = {XK_Delete, XK_KP_Delete};
    static const unsigned long insertKeys[] = {XK_Insert, XK_KP_Insert};
    *count = 1;
    if (code >= 'A' && code <= 'Z')
        one[0] = XK_a + (code - 'A');
    else if (code >= '0' && code <= '9')
        one[0] = XK_0 + (code - '0');
    else if (code >= VK_F1 && code <= VK_F12)
        one[0] = XK_F1 + (code - VK_F1);
    else {
        switch (code) {
        case VK_Delete:
            *count = 2;
            return deleteKeys;
        case VK_Insert:
            *count = 2;
            return insertKeys;
        case VK_Space:
            one[0] = XK_space;
            break;
        case VK_Escape:
            one[0] = XK_Escape;
            break;
        case VK_Left:
            one[0] = XK_Left;
            break;
        case VK_Up:
            one[0] = XK_Up;
            break;
        case VK_Right:
            one[0] = XK_Right;
            break;
        case VK_Down:
            one[0] = XK_Down;
            break;
        case VK_LShift:
            one[0] = XK_Shift_L;
            break;
        case VK_RShift:
            one[0] = XK_Shift_R;
            break;
        case VK_LControl:
            one[0] = XK_Control_L;
            break;
        case VK_RControl:
            one[0] = XK_Control_R;
            break;
        case VK_LMenu:
            one[0] = XK_Alt_L;
            break;
        case VK_RMenu:
            one[0] = XK_Alt_R;
            break;
        case 8:
            one[0] = XK_BackSpace;
            break;
        case 9:
            one[0] = XK_Tab;
            break;
        case 13:
            one[0] = XK_Return;
            break;
        case 33:
            one[0] = XK_Page_Up;
            break;
        case 34:
            one[0] = XK_Page_Down;
            break;
        case 35:
            one[0] = XK_End;
            break;
        case 36:
            one[0] = XK_Home;
            break;
        default:
            *count = 0;
            for (const PunctuationKey &p : PunctuationKeys)
                if (p.code == code) {
                    one[0] = p.keysym;
                    *count = 1;
                }
            break;
        }
    }
    return one;
}

namespace {

bool ctrlHeld() {
    return (glutGetModifiers() & GLUT_ACTIVE_CTRL) != 0;
}

void keyPressed(unsigned char key, int, int) {
    keyboardKeyEvent(virtualKeyFromChar(key, ctrlHeld()), true);
}
void keyReleased(unsigned char key, int, int) {
    keyboardKeyEvent(virtualKeyFromChar(key, ctrlHeld()), false);
}
void specialPressed(int key, int, int) {
    if (key == GLUT_KEY_F11) {
        glutFullScreenToggle(); // the window's own key, not a game key
        return;
    }
    keyboardKeyEvent(virtualKeyFromSpecial(key), true);
}
void specialReleased(int key, int, int) {
    keyboardKeyEvent(virtualKeyFromSpecial(key), false);
}

Display *keymapDisplay; // GLUT's X connection, asked with XQueryKeymap
char physicalKeys[32];  // the last keymap read

// Is the physical key `key` down in the last keymap read? -1 when it cannot be asked.
int physicalKeyDown(int key) {
    int count;
    const unsigned long *syms = keysymsOfVirtualKey(key, &count);
    if (count == 0)
        return -1;
    for (int i = 0; i < count; i++) {
        KeyCode keycode = XKeysymToKeycode(keymapDisplay, syms[i]);
        if (keycode != 0 && (physicalKeys[keycode / 8] & (1 << (keycode % 8))))
            return 1;
    }
    return 0;
}

// Is a key that puts `code` into the table down? (a key we cannot ask about stays as the
// events left it)
bool physicallyDown(int code) {
    for (int key : physicalKeysOf(code))
        if (physicalKeyDown(key) != 0)
            return true;
    return false;
}

} // namespace

void keyboardKeyEvent(int physicalCode, bool down) {
    const int code = gameKeyOf(physicalCode);
    if (code != 0)
        setKeyDown(code, down);
}

void installKeyCallbacks() {
    glutIgnoreKeyRepeat(1);
    glutKeyboardFunc(keyPressed);
    glutKeyboardUpFunc(keyReleased);
    glutSpecialFunc(specialPressed);
    glutSpecialUpFunc(specialReleased);
}

void dropKeysLostWithFocus() {
    // the server of the window (GLUT's -display, else $DISPLAY), through GLUT's own
    // connection: a second one opened from $DISPLAY could reach another server
    keymapDisplay = glXGetCurrentDisplay();
    if (!keymapDisplay)
        return;
    XQueryKeymap(keymapDisplay, physicalKeys);
    releaseKeysNotHeld(physicallyDown);
}

bool keyHeldOnKeyboard(int key) {
    return keymapDisplay && physicalKeyDown(key) == 1;
}

int windowHasFocus() {
    Display *display = glXGetCurrentDisplay();
    const Window ours = glXGetCurrentDrawable(); // GLUT draws into the window itself
    if (!display || !ours)
        return -1;
    Window focus;
    int revertTo;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus == PointerRoot)
        return -1;
    // ours, or a window inside ours
    for (Window window = focus; window != None;) {
        if (window == ours)
            return 1;
        Window root, parent, *children = nullptr;
        unsigned count;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        window = parent == root ? None : parent;
    }
    return 0;
}
