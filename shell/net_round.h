// net_round.h: a game over the network, as the game plays it: the options (--host, --join,
// --watch, --input-delay), the title screen while waiting or after a failure, the round whose
// ticks the network session runs (each player machine its own cow's view, either key set or
// any pad), N and ESC on either machine, and --record / --trace of the confirmed keys.
#pragma once

#include <string>

// The options (rows of the options table); false with `error` set for a refused value.
bool takeHostOption(const char *port, std::string &error);     // [PORT]
bool takeJoinOption(const char *address, std::string &error);  // ADDRESS[:PORT]
bool takeWatchOption(const char *address, std::string &error); // ADDRESS[:PORT]
bool takeInputDelayOption(const char *ticks, std::string &error);
// After the options: -1 when they go together, else 2 after one line on standard error.
int checkNetOptions();

bool netGame(); // --host, --join or --watch: this run of the game plays over the network

// After start-up (the map loaded): open the session and show the title screen waiting.
void startNetGame();
// Every pass of the idle callback: take in and send what is due, and follow the session
// (the round starts, fails, ends, the other asks for a new game). Returns the longest the
// idle callback may sleep, in milliseconds.
int serviceNetGame();
// The rules' tick of a network round: this machine's person's keys to the session, which runs
// the ticks due (rolled back and run again as the other's keys arrive).
void netRulesTick();
// The title screen of a network game: its keys (SPACE tries again after a failure) and lines.
void netTitleKeys();
void drawNetTitle();
// N in a network game: both machines back to the title screen, the next round together.
void netNewGameKey();
