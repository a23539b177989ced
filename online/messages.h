// messages.h: the messages two machines and their watchers exchange over the network, as bytes:
// written by encode*, read back by decodeMessage, which checks every length and value first
// and trusts nothing it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t NetProtocolVersion = 1;   // raised whenever a message changes
constexpr size_t MaxVersionLength = 32;      // bytes of the game's version string in a handshake
constexpr size_t MaxKeysPerMessage = 64;     // ticks of keys one keys message carries at most
constexpr size_t MaxWatchedPerMessage = 256; // ticks of both cows' keys one message to a watcher
constexpr size_t MaxMessageBytes = 1024;     // no message is longer; longer ones are dropped
constexpr uint8_t ActionBitsMask = 0x7f;     // the seven actions of a cow, one bit each

enum class MessageType : uint8_t {
    Hello = 1,    // joiner or watcher to host: who I am and what I play
    Welcome = 2,  // host to joiner or watcher: accepted, and how long the round lasts
    Refuse = 3,   // host to joiner or watcher: not accepted, and why
    Keys = 4,     // player to player, unreliable: my keys of the ticks you have not acknowledged
    Checksum = 5, // player to player: the checksum of my confirmed state at a tick
    Watched = 6,  // host to watcher: both cows' confirmed keys of a run of ticks
    NewGame = 7,  // back to the title screen, the next round together (host: to watchers too)
    Goodbye = 8,  // anyone: I leave, and why
};

enum class Role : uint8_t { Player = 0, Watcher = 1 };

// Why a host refused a machine.
enum class RefuseReason : uint8_t {
    Protocol = 1, // another protocol version
    Version = 2,  // another version of the game
    Map = 3,      // another map file
    Full = 4,     // two players already (the joiner may watch instead)
    Watchers = 5, // as many watchers as the host takes
};

// Why a machine leaves.
enum class GoodbyeReason : uint8_t {
    Finished = 1, // the whole round was confirmed
    Quit = 2,     // its player quit
    Desync = 3,   // the checksums of a tick differed (at `tick`)
};

// One message, decoded: the members its type uses are set, the others keep their defaults.
struct Message {
    MessageType type = MessageType::Goodbye;
    uint16_t protocol = 0;     // Hello, Welcome, Refuse: the sender's protocol version
    Role role = Role::Player;  // Hello
    uint64_t mapChecksum = 0;  // Hello, Welcome, Refuse
    std::string version;       // Hello, Welcome, Refuse: the sender's game version
    uint32_t sessionTicks = 0; // Welcome: the ticks the round lasts, 0 when it has no end
    uint8_t round = 0;     // Keys, Checksum, Watched: the round they belong to; NewGame: the next
    uint8_t reason = 0;    // Refuse, Goodbye
    uint32_t ack = 0;      // Keys: how many of the receiver's ticks the sender holds
    int8_t ahead = 0;      // Keys: ticks the sender runs ahead of the keys it has from us
    uint32_t first = 0;    // Keys, Watched: the tick of the first keys; Checksum, Goodbye: the tick
    uint64_t checksum = 0; // Checksum
    std::vector<uint8_t> keys; // Keys: one byte per tick; Watched: two per tick, cow 1 first
};

// Read one message. False when it is not one: an unknown type, a wrong length, a value out of
// range; `out` is then not to be used.
bool decodeMessage(const uint8_t *data, size_t size, Message &out);

// The bytes of a message of each type (the members its type uses).
std::vector<uint8_t> encodeHello(Role role, uint64_t mapChecksum, const std::string &version,
                                 uint16_t protocol = NetProtocolVersion);
std::vector<uint8_t> encodeWelcome(uint64_t mapChecksum, const std::string &version,
                                   uint32_t sessionTicks);
std::vector<uint8_t> encodeRefuse(RefuseReason reason, uint64_t mapChecksum,
                                  const std::string &version);
// Keys, Checksum, Watched and NewGame name their round (0, 1, ... counted modulo 256): a
// message of another round is not this round's.
std::vector<uint8_t> encodeKeys(uint8_t round, uint32_t ack, int8_t ahead, uint32_t first,
                                const uint8_t *keys, size_t count);
std::vector<uint8_t> encodeChecksum(uint8_t round, uint32_t tick, uint64_t checksum);
std::vector<uint8_t> encodeWatched(uint8_t round, uint32_t first, const uint8_t *keyPairs,
                                   size_t ticks);
std::vector<uint8_t> encodeNewGame(uint8_t round);
std::vector<uint8_t> encodeGoodbye(GoodbyeReason reason, uint32_t tick);

// The checksum of a map file's contents the handshake compares (64-bit FNV-1a).
uint64_t mapFileChecksum(const std::string &contents);
