// net_session.cpp: the session over ENet: channel 0 reliable (handshake, checksums, keys for
// watchers, new game, goodbye), channel 1 unreliable (each player's keys, resent until
// acknowledged). ENet keeps the connection, its retransmissions and its timeouts; everything
// read from the network is checked before it is believed.
#include "online/net_session.h"

#include <enet/enet.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr enet_uint8 ReliableChannel = 0;
constexpr enet_uint8 KeysChannel = 1;
constexpr size_t ChannelCount = 2;
constexpr size_t SpareSlots = 2;          // connections a full host can still answer, refusing
constexpr int MaxEventsPerService = 256;  // ENet events one service() handles at most
constexpr uint32_t ClosingLimitMs = 2000; // a goodbye that is not answered: close anyway
constexpr size_t MaxPendingSums = 1024;   // checksums of the other not yet taken
constexpr size_t MaxNotices = 16;         // lines kept for the driver to show
constexpr size_t MaxDatagramBytes = ENET_HOST_DEFAULT_MTU; // ENet never sends longer
constexpr size_t WaitingDataBytes = 64 * 1024; // what a peer may hold waiting for reassembly

NetSession *servicing; // the session whose host is being serviced, for the datagram check

int ENET_CALLBACK interceptDatagram(ENetHost *, ENetEvent *) {
    return servicing ? servicing->inspectDatagram() : 0;
}

bool enetReady() {
    static bool ready = enet_initialize() == 0 && std::atexit(enet_deinitialize) == 0;
    return ready;
}

std::string desyncText(uint32_t tick) {
    return "desync at tick " + std::to_string(tick) + ": the two machines' confirmed states differ";
}

std::string refuseText(RefuseReason reason) {
    switch (reason) {
    case RefuseReason::Protocol:
        return "this machine speaks another network protocol";
    case RefuseReason::Version:
        return "this machine runs another version of the game";
    case RefuseReason::Map:
        return "this machine plays another map";
    case RefuseReason::Full:
        return "the game already has two players (--watch to watch it)";
    case RefuseReason::Watchers:
        return "the game already has " + std::to_string(MaxWatchers) + " watchers";
    }
    return "?";
}

} // namespace

// What the host knows of each machine connected to it.
struct NetSession::PeerInfo {
    enum { Pending, Player, Watcher, Refused } kind = Pending;
    uint32_t connectedMs = 0; // a machine that never says hello is let go
    uint32_t watchedSent = 0; // a watcher: the ticks of keys sent to it
    _ENetPeer *peer = nullptr;
};

NetSession::NetSession() = default;

NetSession::~NetSession() {
    if (host_) {
        for (size_t i = 0; i < host_->peerCount; i++)
            delete static_cast<PeerInfo *>(host_->peers[i].data);
        enet_host_destroy(host_);
    }
}

void NetSession::fail(NetFailure failure, const std::string &text) {
    if (phase_ == NetPhase::Failed)
        return;
    phase_ = NetPhase::Failed;
    failure_ = failure;
    failureText_ = text;
    if (host_)
        enet_host_flush(host_); // the goodbye or refusal on its way before the socket closes
}

bool NetSession::start(const NetConfig &config) {
    config_ = config;
    if (!enetReady()) {
        fail(NetFailure::Socket, "cannot start the network library");
        return false;
    }
    ENetAddress address;
    address.port = config.port;
    if (config.role == NetRole::Host) {
        address.host = ENET_HOST_ANY;
        host_ = enet_host_create(&address, 1 + MaxWatchers + SpareSlots, ChannelCount, 0, 0);
        if (!host_) {
            fail(NetFailure::Socket,
                 "cannot open UDP port " + std::to_string(config.port) + " (is it in use?)");
            return false;
        }
        phase_ = NetPhase::Waiting;
        sessionTicks_ = config.sessionTicks;
    } else {
        if (enet_address_set_host(&address, config.address.c_str()) != 0) {
            fail(NetFailure::Socket, "cannot find the address " + config.address);
            return false;
        }
        host_ = enet_host_create(nullptr, 1, ChannelCount, 0, 0);
        if (!host_) {
            fail(NetFailure::Socket, "cannot open a UDP socket");
            return false;
        }
        other_ = enet_host_connect(host_, &address, ChannelCount, 0);
        if (!other_) {
            fail(NetFailure::Socket, "cannot connect to " + config.address);
            return false;
        }
        enet_peer_timeout(other_, 0, ConnectTimeoutMs, ConnectTimeoutMs);
        phase_ = NetPhase::Connecting;
    }
    host_->maximumPacketSize = MaxMessageBytes;
    host_->maximumWaitingData = WaitingDataBytes;
    host_->intercept = interceptDatagram;
    startMs_ = enet_time_get();
    return true;
}

int NetSession::inspectDatagram() {
    // The datagram is in host_->receivedData. What ENet would throw away unread we throw
    // away and count: too long, too short, compressed (we never compress), or from an address
    // that is not the peer it names. Connection requests pass; the handshake judges them.
    const size_t size = host_->receivedDataLength;
    if (size > MaxDatagramBytes || size < sizeof(enet_uint16)) {
        stats_.dropped++;
        return 1;
    }
    const enet_uint8 *data = host_->receivedData;
    const unsigned header = static_cast<unsigned>(data[0]) << 8 | data[1]; // network order
    if (header & ENET_PROTOCOL_HEADER_FLAG_COMPRESSED) {
        stats_.dropped++;
        return 1;
    }
    const unsigned peerID = header & ~static_cast<unsigned>(ENET_PROTOCOL_HEADER_FLAG_MASK |
                                                            ENET_PROTOCOL_HEADER_SESSION_MASK);
    if (peerID == ENET_PROTOCOL_MAXIMUM_PEER_ID)
        return 0; // a connection request: ENet reads it
    const ENetAddress &from = host_->receivedAddress;
    if (peerID >= host_->peerCount || host_->peers[peerID].state == ENET_PEER_STATE_DISCONNECTED ||
        host_->peers[peerID].address.host != from.host ||
        host_->peers[peerID].address.port != from.port) {
        stats_.dropped++;
        return 1;
    }
    return 0;
}

std::string NetSession::peerName(_ENetPeer *peer) const {
    char text[64] = "?";
    enet_address_get_host_ip(&peer->address, text, sizeof text);
    return std::string(text) + ":" + std::to_string(peer->address.port);
}

void NetSession::sendTo(_ENetPeer *peer, const std::vector<uint8_t> &bytes, bool reliable) {
    ENetPacket *packet =
        enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (packet && enet_peer_send(peer, reliable ? ReliableChannel : KeysChannel, packet) != 0)
        enet_packet_destroy(packet);
}

void NetSession::service() {
    if (!host_ || phase_ == NetPhase::Failed || phase_ == NetPhase::Finished)
        return;
    servicing = this;
    for (int i = 0; i < MaxEventsPerService && host_; i++) {
        ENetEvent event;
        int got = enet_host_service(host_, &event, 0);
        if (got < 0) { // a datagram the socket would not hand over whole (too long)
            stats_.dropped++;
            continue;
        }
        if (got == 0)
            break;
        switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT:
            handleConnect(event.peer);
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            handleDisconnect(event.peer);
            break;
        case ENET_EVENT_TYPE_RECEIVE:
            handleReceive(event.peer, event.packet->data, event.packet->dataLength);
            enet_packet_destroy(event.packet);
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
        }
        if (phase_ == NetPhase::Failed || phase_ == NetPhase::Finished)
            break;
    }
    servicing = nullptr;
    if (phase_ == NetPhase::Failed || phase_ == NetPhase::Finished)
        return;

    const uint32_t now = enet_time_get();
    if (phase_ == NetPhase::Connecting && now - startMs_ >= ConnectTimeoutMs)
        return fail(NetFailure::Left, "no host answered at " + config_.address + ":" +
                                          std::to_string(config_.port) + " within " +
                                          std::to_string(ConnectTimeoutMs / 1000) + " s");
    if (config_.role == NetRole::Host) // a machine that connects and never says hello
        for (size_t i = 0; i < host_->peerCount; i++) {
            auto *info = static_cast<PeerInfo *>(host_->peers[i].data);
            if (info && info->kind == PeerInfo::Pending &&
                now - info->connectedMs > SilenceTimeoutMs) {
                enet_peer_reset(&host_->peers[i]); // no disconnection event follows a reset
                delete info;
                host_->peers[i].data = nullptr;
            }
        }
    if (phase_ == NetPhase::Closing) {
        bool alone = other_ == nullptr && watchers_.empty();
        if (alone || now - closingSinceMs_ > ClosingLimitMs)
            phase_ = NetPhase::Finished;
        return;
    }
    if (other_)
        stats_.roundTripMs = other_->roundTripTime; // kept when the other has gone
    if (phase_ == NetPhase::Playing && config_.role != NetRole::Watch && other_ &&
        now - lastKeysSentMs_ >= config_.tickMs)
        sendKeys(); // a machine that waits still resends and acknowledges
    sendWatched();
    checkFinished();
    enet_host_flush(host_);
}

void NetSession::handleConnect(_ENetPeer *peer) {
    enet_peer_timeout(peer, 0, SilenceTimeoutMs, SilenceTimeoutMs);
    // keys go out every tick whatever the line does: ENet is not to thin them out
    enet_peer_throttle_configure(peer, ENET_PEER_PACKET_THROTTLE_INTERVAL,
                                 ENET_PEER_PACKET_THROTTLE_SCALE, 0);
    if (config_.role != NetRole::Host) {
        sendTo(peer,
               encodeHello(config_.role == NetRole::Watch ? Role::Watcher : Role::Player,
                           config_.mapChecksum, config_.version, config_.protocol),
               true);
        return;
    }
    auto *info = new PeerInfo;
    info->connectedMs = enet_time_get();
    info->peer = peer;
    peer->data = info;
}

void NetSession::handleDisconnect(_ENetPeer *peer) {
    if (config_.role == NetRole::Host) {
        auto *info = static_cast<PeerInfo *>(peer->data);
        peer->data = nullptr;
        watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), info), watchers_.end());
        delete info;
        if (peer != other_)
            return;
    }
    other_ = nullptr;
    if (phase_ == NetPhase::Closing)
        return;
    if (phase_ == NetPhase::Connecting)
        return fail(NetFailure::Left,
                    "no host answered at " + config_.address + ":" + std::to_string(config_.port));
    if (otherFinished_)
        return checkFinished(); // it had all it needed; so may we
    fail(NetFailure::Left,
         config_.role == NetRole::Watch ? "the host left" : "the other player left");
}

void NetSession::handleReceive(_ENetPeer *peer, const uint8_t *data, size_t size) {
    Message message;
    if (!decodeMessage(data, size, message)) {
        stats_.dropped++;
        return;
    }
    auto *info = static_cast<PeerInfo *>(peer->data);
    if (config_.role == NetRole::Host) {
        if (info && info->kind == PeerInfo::Pending && message.type == MessageType::Hello)
            return handleHello(peer, message);
        if (info && info->kind == PeerInfo::Watcher && message.type == MessageType::Goodbye)
            return;           // it leaves; its disconnection follows
        if (peer != other_) { // a watcher's keys, a refused machine's anything
            stats_.dropped++;
            return;
        }
    } else if (peer != other_) {
        stats_.dropped++;
        return;
    }
    const bool playing = phase_ == NetPhase::Playing || phase_ == NetPhase::Closing;
    const bool roundMessage = message.type == MessageType::Keys ||
                              message.type == MessageType::Checksum ||
                              message.type == MessageType::Watched;
    if (roundMessage && message.round != round_)
        return; // the round before (or, until this machine starts it, the next)
    switch (message.type) {
    case MessageType::Welcome:
        if (phase_ == NetPhase::Connecting)
            return handleWelcome(message);
        break;
    case MessageType::Refuse:
        if (phase_ == NetPhase::Connecting)
            return handleRefuse(message);
        break;
    case MessageType::Keys:
        if (playing && config_.role != NetRole::Watch)
            return handleKeys(message);
        break;
    case MessageType::Checksum:
        // the other confirmed no tick it has not had our keys of
        if (playing && config_.role != NetRole::Watch && message.first <= localTicks() &&
            remoteSums_.size() < MaxPendingSums) {
            remoteSums_.emplace_back(message.first, message.checksum);
            return;
        }
        break;
    case MessageType::Watched:
        if (playing && config_.role == NetRole::Watch && message.first == watchedTicks() + 1 &&
            watchedTicks() + message.keys.size() / 2 <= MaxSessionTicks) {
            watched_.insert(watched_.end(), message.keys.begin(), message.keys.end());
            return;
        }
        break;
    case MessageType::NewGame:
        if (playing && message.round == static_cast<uint8_t>(round_ + 1)) {
            newGameAsked_ = true;
            return;
        }
        break;
    case MessageType::Goodbye:
        return handleGoodbye(message);
    case MessageType::Hello:
        break;
    }
    stats_.dropped++; // a message out of place
}

void NetSession::handleHello(_ENetPeer *peer, const Message &message) {
    auto *info = static_cast<PeerInfo *>(peer->data);
    const bool player = message.role == Role::Player;
    RefuseReason reason{};
    std::string why;
    if (message.protocol != NetProtocolVersion) {
        reason = RefuseReason::Protocol;
        why = "it speaks network protocol " + std::to_string(message.protocol) + ", this machine " +
              std::to_string(NetProtocolVersion);
    } else if (message.version != config_.version) {
        reason = RefuseReason::Version;
        why =
            "it runs version " + message.version + " of the game, this machine " + config_.version;
    } else if (message.mapChecksum != config_.mapChecksum) {
        reason = RefuseReason::Map;
        why = "its map file differs from this machine's";
    } else if (player && other_) {
        reason = RefuseReason::Full;
        why = "the game already has two players";
    } else if (!player && watchers_.size() >= static_cast<size_t>(MaxWatchers)) {
        reason = RefuseReason::Watchers;
        why = "the game already has " + std::to_string(MaxWatchers) + " watchers";
    }
    if (!why.empty()) {
        info->kind = PeerInfo::Refused;
        sendTo(peer, encodeRefuse(reason, config_.mapChecksum, config_.version), true);
        enet_peer_disconnect_later(peer, 0);
        std::string line = "refused " + std::string(player ? "a player" : "a watcher") + " from " +
                           peerName(peer) + ": " + why;
        // a player who cannot play this game ends the wait; the others are only told
        const bool mismatch = reason == RefuseReason::Protocol || reason == RefuseReason::Version ||
                              reason == RefuseReason::Map;
        if (player && mismatch && phase_ == NetPhase::Waiting)
            return fail(NetFailure::Refused, line);
        if (notices_.size() < MaxNotices)
            notices_.push_back(line);
        return;
    }
    sendTo(peer, encodeWelcome(config_.mapChecksum, config_.version, sessionTicks_), true);
    if (player) {
        info->kind = PeerInfo::Player;
        other_ = peer;
        phase_ = NetPhase::Playing;
    } else {
        info->kind = PeerInfo::Watcher;
        watchers_.push_back(info);
    }
}

void NetSession::handleWelcome(const Message &message) {
    std::string why;
    if (message.protocol != NetProtocolVersion)
        why = "the host speaks network protocol " + std::to_string(message.protocol) +
              ", this machine " + std::to_string(NetProtocolVersion);
    else if (message.version != config_.version)
        why = "the host runs version " + message.version + " of the game, this machine " +
              config_.version;
    else if (message.mapChecksum != config_.mapChecksum)
        why = "the host's map file differs from this machine's";
    else if (message.sessionTicks > MaxSessionTicks)
        why = "the host's round is too long";
    if (!why.empty()) {
        sendTo(other_, encodeGoodbye(GoodbyeReason::Quit, 0), true);
        enet_peer_disconnect_later(other_, 0);
        return fail(NetFailure::Refused, "refused: " + why);
    }
    sessionTicks_ = message.sessionTicks;
    phase_ = NetPhase::Playing;
}

void NetSession::handleRefuse(const Message &message) {
    fail(NetFailure::Refused,
         "refused by the host: " + refuseText(static_cast<RefuseReason>(message.reason)) +
             (message.reason == static_cast<uint8_t>(RefuseReason::Version)
                  ? " (the host runs " + message.version + ", this machine " + config_.version + ")"
                  : ""));
}

void NetSession::handleKeys(const Message &message) {
    if (message.ack > localTicks()) { // acknowledges keys never sent
        stats_.dropped++;
        return;
    }
    remoteAck_ = std::max(remoteAck_, message.ack);
    remoteAhead_ = message.ahead;
    // the keys continue ours without a gap; none beyond what the window lets the other run
    // ahead of the keys it has from us, nor beyond the round
    uint64_t limit = static_cast<uint64_t>(localTicks()) + MaxKeysPerMessage;
    if (sessionTicks_)
        limit = std::min<uint64_t>(limit, sessionTicks_);
    limit = std::min<uint64_t>(limit, MaxSessionTicks);
    const uint64_t first = message.first;
    if (first > remote_.size() + 1)
        return; // a gap: the keys come again, from the acknowledged tick on
    for (size_t i = 0; i < message.keys.size(); i++) {
        const uint64_t tick = first + i;
        if (tick <= remote_.size())
            continue; // known already
        if (tick > limit)
            break;
        remote_.push_back(message.keys[i]);
    }
}

bool NetSession::takeRemoteChecksum(uint32_t &tick, uint64_t &checksum) {
    if (remoteSums_.empty())
        return false;
    tick = remoteSums_.front().first;
    checksum = remoteSums_.front().second;
    remoteSums_.pop_front();
    return true;
}

void NetSession::sendChecksum(uint32_t tick, uint64_t checksum) {
    if (phase_ == NetPhase::Playing && other_ && config_.role != NetRole::Watch)
        sendTo(other_, encodeChecksum(round_, tick, checksum), true);
}

void NetSession::reportDesync(uint32_t tick) {
    if (other_) {
        sendTo(other_, encodeGoodbye(GoodbyeReason::Desync, tick), true);
        enet_peer_disconnect_later(other_, 0);
    }
    fail(NetFailure::Desync, desyncText(tick));
}

void NetSession::handleGoodbye(const Message &message) {
    switch (static_cast<GoodbyeReason>(message.reason)) {
    case GoodbyeReason::Finished:
        if (config_.role == NetRole::Watch) { // the last keys came before it
            phase_ = NetPhase::Finished;
            return;
        }
        otherFinished_ = true;
        remoteAck_ = localTicks(); // it holds every key it needs from us
        return checkFinished();
    case GoodbyeReason::Desync:
        return fail(NetFailure::Desync, desyncText(message.first));
    case GoodbyeReason::Quit:
        break;
    }
    fail(NetFailure::Left,
         config_.role == NetRole::Watch ? "the host left" : "the other player left");
}

void NetSession::addLocalKeys(uint8_t keys) {
    if (config_.role == NetRole::Watch || local_.size() >= MaxSessionTicks)
        return;
    local_.push_back(keys & ActionBitsMask);
    if (phase_ == NetPhase::Playing && other_)
        sendKeys();
}

void NetSession::sendKeys() {
    const uint32_t first = remoteAck_ + 1;
    const size_t count = std::min<size_t>(localTicks() - remoteAck_, MaxKeysPerMessage);
    const int8_t ahead = static_cast<int8_t>(std::clamp(ticksAhead_, -127, 127));
    sendTo(other_,
           encodeKeys(round_, remoteTicks(), ahead, first, local_.data() + remoteAck_, count),
           false);
    lastKeysSentMs_ = enet_time_get();
}

uint8_t NetSession::localKeys(uint32_t tick) const {
    return tick >= 1 && tick <= local_.size() ? local_[tick - 1] : 0;
}

uint8_t NetSession::remoteKeys(uint32_t tick) const {
    return tick >= 1 && tick <= remote_.size() ? remote_[tick - 1] : 0;
}

uint8_t NetSession::watchedKeys(uint32_t tick, int cow) const {
    return tick >= 1 && tick <= watchedTicks() ? watched_[2 * (tick - 1) + (cow ? 1 : 0)] : 0;
}

uint32_t NetSession::confirmedKeys() const {
    uint32_t known = std::min(localTicks(), remoteTicks());
    return sessionTicks_ ? std::min(known, sessionTicks_) : known;
}

void NetSession::roundConfirmed() {
    roundConfirmed_ = true;
    checkFinished();
}

void NetSession::askNewGame() {
    if (other_ && phase_ == NetPhase::Playing && config_.role != NetRole::Watch)
        sendTo(other_, encodeNewGame(static_cast<uint8_t>(round_ + 1)), true);
}

void NetSession::newRound() {
    round_++;
    local_.clear();
    remote_.clear();
    watched_.clear();
    remoteSums_.clear();
    remoteAck_ = 0;
    remoteAhead_ = 0;
    ticksAhead_ = 0;
    roundConfirmed_ = false;
    otherFinished_ = false;
    newGameAsked_ = false;
    for (PeerInfo *watcher : watchers_) {
        watcher->watchedSent = 0;
        sendTo(watcher->peer, encodeNewGame(round_), true);
    }
}

bool NetSession::newGameAsked() {
    bool asked = newGameAsked_;
    newGameAsked_ = false;
    return asked;
}

void NetSession::sendWatched() {
    if (config_.role != NetRole::Host)
        return;
    const uint32_t confirmed = confirmedKeys();
    std::vector<uint8_t> pairs;
    for (PeerInfo *watcher : watchers_) {
        while (watcher->watchedSent < confirmed) {
            const uint32_t first = watcher->watchedSent + 1;
            const uint32_t ticks =
                std::min<uint32_t>(confirmed - watcher->watchedSent, MaxWatchedPerMessage);
            pairs.clear();
            for (uint32_t tick = first; tick < first + ticks; tick++) {
                const bool hostFirst = localCow() == 0;
                pairs.push_back(hostFirst ? localKeys(tick) : remoteKeys(tick));
                pairs.push_back(hostFirst ? remoteKeys(tick) : localKeys(tick));
            }
            sendTo(watcher->peer, encodeWatched(round_, first, pairs.data(), ticks), true);
            watcher->watchedSent += ticks;
        }
    }
}

void NetSession::checkFinished() {
    if (phase_ != NetPhase::Playing || !sessionTicks_)
        return;
    if (config_.role == NetRole::Watch) {
        // the host ends a round with a goodbye after the last keys, so all are here
        return;
    }
    const bool done = roundConfirmed_ && (remoteAck_ >= sessionTicks_ || otherFinished_);
    if (!done)
        return;
    sendWatched();
    const std::vector<uint8_t> goodbye = encodeGoodbye(GoodbyeReason::Finished, sessionTicks_);
    if (other_) {
        sendTo(other_, goodbye, true);
        enet_peer_disconnect_later(other_, 0);
    }
    for (PeerInfo *watcher : watchers_) {
        sendTo(watcher->peer, goodbye, true);
        enet_peer_disconnect_later(watcher->peer, 0);
    }
    enet_host_flush(host_);
    phase_ = NetPhase::Closing;
    closingSinceMs_ = enet_time_get();
}

void NetSession::leave() {
    if (!host_)
        return;
    const std::vector<uint8_t> goodbye = encodeGoodbye(GoodbyeReason::Quit, 0);
    for (size_t i = 0; i < host_->peerCount; i++) {
        ENetPeer *peer = &host_->peers[i];
        if (peer->state == ENET_PEER_STATE_CONNECTED) {
            sendTo(peer, goodbye, true);
            enet_peer_disconnect_later(peer, 0);
        }
    }
    enet_host_flush(host_);
    if (phase_ != NetPhase::Failed && phase_ != NetPhase::Finished)
        phase_ = NetPhase::Finished;
}

std::vector<std::string> NetSession::takeNotices() {
    std::vector<std::string> taken;
    taken.swap(notices_);
    return taken;
}

NetStats NetSession::stats() const {
    NetStats stats = stats_;
    if (host_) {
        stats.datagramsSent = host_->totalSentPackets;
        stats.datagramsReceived = host_->totalReceivedPackets;
        stats.bytesSent = host_->totalSentData;
        stats.bytesReceived = host_->totalReceivedData;
    }
    return stats;
}
