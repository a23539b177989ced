// view_layout.h: what the play screen shows: the split screen (cow 1 right, cow 2 left), or the
// view of one cow filling the window for the one person at this machine (a round against the
// computer; in a network game each machine its own cow), with a key that switches to the split
// screen to watch the other half, and back.
#pragma once

struct Cow;

constexpr int VK_View = 'V'; // the view key: the one view to the split screen and back

// --- Process lifetime: set as each round starts ---
void setSplitView();            // both halves, and the view key does nothing (two people)
void setOneView(int cowNumber); // cow 1 or 2 fills the window until the view key is pressed
void toggleSplitView();         // after setOneView: the one view to the split screen and back
int oneViewCow();    // the cow filling the window now, 1 or 2; 0 while the screen is split
Cow *oneViewShown(); // that cow (cow1 or cow2), or null while the screen is split
// Once per tick of play: the view key going down switches (held, it switches once).
void pollViewKey();
