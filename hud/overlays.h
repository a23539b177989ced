// overlays.h: text over the finished picture, in pixels of a rectangle of the window: the pause
// banner, the volume note and the key test screen. Each piece sets its own viewport and
// projection and gives the state back, so it draws over any layout of views.
#pragma once

#include <string>
#include <vector>

// A rectangle of the window in pixels, (x, y) its lower left corner.
struct ScreenRect {
    int x, y, width, height;
};

// "PAUSED" across the middle of `view` on a dark band, and under it `goOn` (the key to go on).
void drawPauseBanner(const ScreenRect &view, const char *goOn);
// `text` ("VOLUME 70", "MUTED") on a dark plate at the top of `window`.
void drawScreenNote(const ScreenRect &window, const char *text);

// One column of the key test screen: a heading, then a line per held key.
struct KeyTestColumn {
    std::string heading;
    std::vector<std::string> lines;
};
// The key test screen over the whole of `window`: the title, the hint, then the columns from
// left to right.
void drawKeyTestScreen(const ScreenRect &window, const char *hint,
                       const std::vector<KeyTestColumn> &columns);
