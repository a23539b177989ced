// view_layout.cpp: the play screen's layout, split or one cow's view, and the view key.
#include "shell/view_layout.h"
#include "input/keys.h"
#include "world/grids.h"

namespace {
int ownCow;          // the cow of the one view set for this round, 0 for two people
bool splitShown;     // the view key switched to the split screen
bool viewKeyWasDown; // the view key at the last poll
} // namespace

void setSplitView() {
    ownCow = 0;
    splitShown = false;
}

void setOneView(int cowNumber) {
    ownCow = cowNumber == 1 || cowNumber == 2 ? cowNumber : 0;
    splitShown = false;
}

void toggleSplitView() {
    if (ownCow)
        splitShown = !splitShown;
}

int oneViewCow() {
    return splitShown ? 0 : ownCow;
}

Cow *oneViewShown() {
    switch (oneViewCow()) {
    case 1:
        return cow1;
    case 2:
        return cow2;
    default:
        return nullptr;
    }
}

void pollViewKey() {
    const bool down = isKeyDown(VK_View);
    if (down && !viewKeyWasDown)
        toggleSplitView();
    viewKeyWasDown = down;
}
