// messages.cpp: the network messages as bytes: little-endian fixed-width numbers, a version
// string as a length byte and its bytes, key bytes as they are.
#include "online/messages.h"

namespace {

// --- Writing ---
struct Writer {
    std::vector<uint8_t> bytes;
    explicit Writer(MessageType type) { bytes.push_back(static_cast<uint8_t>(type)); }
    void number(uint64_t value, int size) {
        for (int i = 0; i < size; i++)
            bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    void text(const std::string &value) {
        size_t length = value.size() < MaxVersionLength ? value.size() : MaxVersionLength;
        bytes.push_back(static_cast<uint8_t>(length));
        bytes.insert(bytes.end(), value.begin(), value.begin() + static_cast<long>(length));
    }
    void raw(const uint8_t *data, size_t size) { bytes.insert(bytes.end(), data, data + size); }
};

// --- Reading: every read checks the length left; a failed read poisons the reader ---
struct Reader {
    const uint8_t *data;
    size_t left;
    bool ok = true;
    uint64_t number(int size) {
        if (!ok || left < static_cast<size_t>(size)) {
            ok = false;
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < size; i++)
            value |= static_cast<uint64_t>(data[i]) << (8 * i);
        data += size;
        left -= static_cast<size_t>(size);
        return value;
    }
    std::string text() {
        size_t length = static_cast<size_t>(number(1));
        if (!ok || length > MaxVersionLength || length > left) {
            ok = false;
            return {};
        }
        std::string value(reinterpret_cast<const char *>(data), length);
        data += length;
        left -= length;
        return value;
    }
    bool bytes(std::vector<uint8_t> &out, size_t size) {
        if (!ok || size > left)
            return ok = false;
        out.assign(data, data + size);
        data += size;
        left -= size;
        return true;
    }
};

bool validKeys(const std::vector<uint8_t> &keys) {
    for (uint8_t k : keys)
        if (k & ~ActionBitsMask)
            return false;
    return true;
}

} // namespace

bool decodeMessage(const uint8_t *data, size_t size, Message &out) {
    if (size == 0 || size > MaxMessageBytes)
        return false;
    out = Message();
    out.type = static_cast<MessageType>(data[0]);
    Reader in{data + 1, size - 1};
    switch (out.type) {
    case MessageType::Hello: {
        out.protocol = static_cast<uint16_t>(in.number(2));
        if (in.ok && out.protocol != NetProtocolVersion)
            return true; // the rest may be anything: the host refuses it on the version alone
        uint64_t role = in.number(1);
        if (role > static_cast<uint8_t>(Role::Watcher))
            return false;
        out.role = static_cast<Role>(role);
        out.mapChecksum = in.number(8);
        out.version = in.text();
        break;
    }
    case MessageType::Welcome:
        out.protocol = static_cast<uint16_t>(in.number(2));
        if (in.ok && out.protocol != NetProtocolVersion)
            return true; // refused on the version alone
        out.mapChecksum = in.number(8);
        out.version = in.text();
        out.sessionTicks = static_cast<uint32_t>(in.number(4));
        break;
    case MessageType::Refuse:
        out.protocol = static_cast<uint16_t>(in.number(2));
        out.reason = static_cast<uint8_t>(in.number(1));
        if (out.reason < static_cast<uint8_t>(RefuseReason::Protocol) ||
            out.reason > static_cast<uint8_t>(RefuseReason::Watchers))
            return false;
        out.mapChecksum = in.number(8);
        out.version = in.text();
        break;
    case MessageType::Keys: {
        out.round = static_cast<uint8_t>(in.number(1));
        out.ack = static_cast<uint32_t>(in.number(4));
        out.ahead = static_cast<int8_t>(static_cast<uint8_t>(in.number(1)));
        out.first = static_cast<uint32_t>(in.number(4));
        size_t count = static_cast<size_t>(in.number(1));
        if (count > MaxKeysPerMessage || out.first == 0 || !in.bytes(out.keys, count) ||
            !validKeys(out.keys))
            return false;
        break;
    }
    case MessageType::Checksum:
        out.round = static_cast<uint8_t>(in.number(1));
        out.first = static_cast<uint32_t>(in.number(4));
        out.checksum = in.number(8);
        if (out.first == 0)
            return false;
        break;
    case MessageType::Watched: {
        out.round = static_cast<uint8_t>(in.number(1));
        out.first = static_cast<uint32_t>(in.number(4));
        size_t ticks = static_cast<size_t>(in.number(2));
        if (ticks == 0 || ticks > MaxWatchedPerMessage || out.first == 0 ||
            !in.bytes(out.keys, 2 * ticks) || !validKeys(out.keys))
            return false;
        break;
    }
    case MessageType::NewGame:
        out.round = static_cast<uint8_t>(in.number(1));
        break;
    case MessageType::Goodbye:
        out.reason = static_cast<uint8_t>(in.number(1));
        out.first = static_cast<uint32_t>(in.number(4));
        if (out.reason < static_cast<uint8_t>(GoodbyeReason::Finished) ||
            out.reason > static_cast<uint8_t>(GoodbyeReason::Desync))
            return false;
        break;
    default:
        return false;
    }
    return in.ok && in.left == 0; // nothing missing, nothing left over
}

std::vector<uint8_t> encodeHello(Role role, uint64_t mapChecksum, const std::string &version,
                                 uint16_t protocol) {
    Writer out(MessageType::Hello);
    out.number(protocol, 2);
    out.number(static_cast<uint8_t>(role), 1);
    out.number(mapChecksum, 8);
    out.text(version);
    return out.bytes;
}

std::vector<uint8_t> encodeWelcome(uint64_t mapChecksum, const std::string &version,
                                   uint32_t sessionTicks) {
    Writer out(MessageType::Welcome);
    out.number(NetProtocolVersion, 2);
    out.number(mapChecksum, 8);
    out.text(version);
    out.number(sessionTicks, 4);
    return out.bytes;
}

std::vector<uint8_t> encodeRefuse(RefuseReason reason, uint64_t mapChecksum,
                                  const std::string &version) {
    Writer out(MessageType::Refuse);
    out.number(NetProtocolVersion, 2);
    out.number(static_cast<uint8_t>(reason), 1);
    out.number(mapChecksum, 8);
    out.text(version);
    return out.bytes;
}

std::vector<uint8_t> encodeKeys(uint8_t round, uint32_t ack, int8_t ahead, uint32_t first,
                                const uint8_t *keys, size_t count) {
    Writer out(MessageType::Keys);
    out.number(round, 1);
    out.number(ack, 4);
    out.number(static_cast<uint8_t>(ahead), 1);
    out.number(first, 4);
    out.number(count, 1);
    out.raw(keys, count);
    return out.bytes;
}

std::vector<uint8_t> encodeChecksum(uint8_t round, uint32_t tick, uint64_t checksum) {
    Writer out(MessageType::Checksum);
    out.number(round, 1);
    out.number(tick, 4);
    out.number(checksum, 8);
    return out.bytes;
}

std::vector<uint8_t> encodeWatched(uint8_t round, uint32_t first, const uint8_t *keyPairs,
                                   size_t ticks) {
    Writer out(MessageType::Watched);
    out.number(round, 1);
    out.number(first, 4);
    out.number(ticks, 2);
    out.raw(keyPairs, 2 * ticks);
    return out.bytes;
}

std::vector<uint8_t> encodeNewGame(uint8_t round) {
    Writer out(MessageType::NewGame);
    out.number(round, 1);
    return out.bytes;
}

std::vector<uint8_t> encodeGoodbye(GoodbyeReason reason, uint32_t tick) {
    Writer out(MessageType::Goodbye);
    out.number(static_cast<uint8_t>(reason), 1);
    out.number(tick, 4);
    return out.bytes;
}

uint64_t mapFileChecksum(const std::string &contents) {
    uint64_t hash = 1469598103934665603ull;
    for (char c : contents) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}
