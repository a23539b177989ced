// detail.h: the picture's detail. High is the full picture; low, for machines that draw in
// software, draws the halves at half the window's size and scales them up, and samples the
// textures without filtering.
#pragma once

#include <string>

enum class Detail { High, Low };

bool takeDetailOption(const char *value, std::string &error); // --detail high|low
// settings.conf's line "detail = high|low" (--detail wins)
bool takeDetailSetting(const std::string &value, std::string &reason);
std::string detailSetting();
Detail currentDetail();
// Take `detail` now (the texture filters too, when the textures exist).
void setDetail(Detail detail);

// Around the drawing of both halves: in low detail they go to a smaller picture, which the
// end scales up to the whole window.
void beginHalves();
void endHalves();

// The end of a frame-rate line: once, in play, when the renderer draws in software and the
// pictures fall behind the tick, a note that --detail low exists; else "".
const char *detailAdvice(double picturesPerSecond);
