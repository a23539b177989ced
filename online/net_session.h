// net_session.h: one machine's end of a network game over ENet (UDP): the handshake, the
// exchange of both cows' keys tick by tick, the checksums of confirmed ticks, the watchers, and
// every way it can fail. It runs no rules itself and never blocks: NetPlay (net_play.h) puts
// it together with the rollback engine (net/rollback_session.h), and the game and
// pasturon-peer drive NetPlay. One session per process.
// Keys are a cow's actions as bits (net/action_bits.h), one byte a tick; ticks count from 1,
// tick 0 being the map as loaded.
#pragma once

#include "online/messages.h"

#include <cstdint>
#include <deque>
#include <utility>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

constexpr uint16_t DefaultNetPort = 7666;      // the UDP port a host opens unless told
constexpr int MaxWatchers = 8;                 // watchers a host takes at once
constexpr uint32_t ConnectTimeoutMs = 10000;   // a host that does not answer: give up
constexpr uint32_t SilenceTimeoutMs = 5000;    // a machine silent this long has left
constexpr uint32_t ChecksumInterval = 10;      // confirmed ticks between two checksums
constexpr uint32_t MaxSessionTicks = 1u << 24; // about 9.5 days of ticks: keys kept in memory

enum class NetRole { Host, Join, Watch };

// What the session is doing.
enum class NetPhase {
    Connecting, // a joiner or watcher: no welcome yet
    Waiting,    // a host: no player yet
    Playing,    // both players there (a watcher: welcomed)
    Closing,    // finished, saying goodbye
    Finished,   // the whole round confirmed
    Failed,     // see failure()
};

// How a session failed; the values are pasturon-peer's exit statuses.
enum class NetFailure {
    None = 0,
    Desync = 3,  // the machines' confirmed states differed
    Left = 4,    // the other side left, went silent or could not be reached
    Refused = 5, // refused at the handshake (either side)
    Socket = 2,  // the port could not be opened or the address read
};

// Counts for --stats and the benchmarks.
struct NetStats {
    uint64_t datagramsSent = 0;     // ENet datagrams, all peers
    uint64_t datagramsReceived = 0; // ENet datagrams taken in, all peers
    uint64_t bytesSent = 0;         // UDP payload bytes
    uint64_t bytesReceived = 0;
    uint64_t dropped = 0;     // datagrams and messages dropped: not ours, too long, wrong
    uint32_t roundTripMs = 0; // ENet's smoothed round trip to the other player (or host)
};

struct NetConfig {
    NetRole role = NetRole::Host;
    std::string address = "127.0.0.1"; // Join, Watch: the host's address
    uint16_t port = DefaultNetPort;
    uint64_t mapChecksum = 0;               // mapFileChecksum of the map file
    std::string version;                    // the game's version (PASTURON_VERSION_STRING)
    uint16_t protocol = NetProtocolVersion; // the protocol a joiner says it speaks (tests)
    uint32_t sessionTicks = 0;              // Host: the ticks the round lasts, 0 for no end
    uint32_t tickMs = 51;                   // the length of a tick, to pace resends and time sync
};

class NetSession {
  public:
    NetSession();
    ~NetSession();
    NetSession(const NetSession &) = delete;
    NetSession &operator=(const NetSession &) = delete;

    // Open the socket (Host) or start connecting (Join, Watch). False, with failureText set,
    // when the port cannot be opened or the address not read.
    bool start(const NetConfig &config);
    // Take in what arrived, send what is due, notice timeouts. Never blocks.
    void service();
    // Leave at once: a goodbye to everyone, the socket closed (ESC, or the end of the program).
    void leave();

    NetPhase phase() const { return phase_; }
    NetFailure failure() const { return failure_; }
    const std::string &failureText() const { return failureText_; }
    // Lines worth a player's notice that do not end the session (a machine refused); taken
    // once each.
    std::vector<std::string> takeNotices();

    // --- Players ---
    int localCow() const { return config_.role == NetRole::Join ? 1 : 0; } // 0: cow 1
    uint32_t sessionTicks() const { return sessionTicks_; } // 0: the round has no end
    // The keys of this machine's cow for its next tick (tick localTicks() + 1), to send until
    // the other has them; the input delay's empty ticks included.
    void addLocalKeys(uint8_t keys);
    // Ticks whose local keys are known.
    uint32_t localTicks() const { return static_cast<uint32_t>(local_.size()); }
    // Ticks whose keys from the other player are known, from tick 1 on without a gap.
    uint32_t remoteTicks() const { return static_cast<uint32_t>(remote_.size()); }
    // The keys of tick `tick` (1 on) of this machine's cow or of the other's; 0 if not known.
    uint8_t localKeys(uint32_t tick) const;
    uint8_t remoteKeys(uint32_t tick) const;
    // Time synchronisation: how many ticks this machine runs ahead of the keys it has from the
    // other (sent with the keys), and the same as the other last said of itself.
    void setTicksAhead(int ticks) { ticksAhead_ = ticks; }
    int remoteTicksAhead() const { return remoteAhead_; }
    // Checksums of confirmed states: ours to send, the other's as they come (in order).
    void sendChecksum(uint32_t tick, uint64_t checksum);
    bool takeRemoteChecksum(uint32_t &tick, uint64_t &checksum);
    // The checksums of tick `tick` differed: tell the other and fail.
    void reportDesync(uint32_t tick);
    // This machine ran and checked the whole round: say goodbye once the other holds all our
    // keys, then Finished.
    void roundConfirmed();
    // N on this machine: tell the other; newGameAsked() is true once when the other pressed N
    // (a watcher: when the host started a new round).
    void askNewGame();
    bool newGameAsked();
    // Start the next round on this machine (after N here or there): the keys and checksums
    // of the last one forgotten, ticks from 1 again; the host restarts its watchers too.
    void newRound();

    // --- Watchers ---
    // Ticks whose confirmed keys of both cows have come from the host.
    uint32_t watchedTicks() const { return static_cast<uint32_t>(watched_.size() / 2); }
    // The keys of cow `cow` (0 or 1) at tick `tick` (1 on); 0 if not known.
    uint8_t watchedKeys(uint32_t tick, int cow) const;

    NetStats stats() const;
    // Called by the socket layer for each datagram ENet is handed (see net_session.cpp).
    int inspectDatagram();

  private:
    struct PeerInfo;
    void fail(NetFailure failure, const std::string &text);
    void handleConnect(_ENetPeer *peer);
    void handleDisconnect(_ENetPeer *peer);
    void handleReceive(_ENetPeer *peer, const uint8_t *data, size_t size);
    void handleHello(_ENetPeer *peer, const Message &message);
    void handleWelcome(const Message &message);
    void handleRefuse(const Message &message);
    void handleKeys(const Message &message);
    void handleGoodbye(const Message &message);
    void sendTo(_ENetPeer *peer, const std::vector<uint8_t> &bytes, bool reliable);
    void sendKeys();
    void sendWatched();
    void checkFinished();
    std::string peerName(_ENetPeer *peer) const;
    uint32_t confirmedKeys() const; // ticks whose keys of both cows this machine holds

    NetConfig config_;
    _ENetHost *host_ = nullptr;
    _ENetPeer *other_ = nullptr; // the other player (or, for a watcher, the host)
    std::vector<PeerInfo *> watchers_;
    NetPhase phase_ = NetPhase::Connecting;
    NetFailure failure_ = NetFailure::None;
    std::string failureText_;
    std::vector<std::string> notices_;
    uint32_t sessionTicks_ = 0;
    uint32_t startMs_ = 0; // when start() ran (enet_time_get)
    uint32_t lastKeysSentMs_ = 0;
    uint32_t closingSinceMs_ = 0;
    std::vector<uint8_t> local_;   // this machine's cow, tick 1 first
    std::vector<uint8_t> remote_;  // the other player's cow, tick 1 first
    std::vector<uint8_t> watched_; // watcher: both cows' keys, two bytes a tick
    uint32_t remoteAck_ = 0;       // how many of our ticks the other holds
    int ticksAhead_ = 0;           // ours, as the driver last said
    int remoteAhead_ = 0;          // the other's, as it last said
    std::deque<std::pair<uint32_t, uint64_t>> remoteSums_; // the other's checksums, not taken
    bool roundConfirmed_ = false;
    bool newGameAsked_ = false;
    uint8_t round_ = 0; // rounds played before this one, modulo 256
    bool otherFinished_ = false;
    NetStats stats_;
};
