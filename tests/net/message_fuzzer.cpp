// message_fuzzer.cpp: the network message decoder on arbitrary bytes: it never crashes, and
// what it accepts writes back to the very same bytes (nothing read that is not there, nothing
// left unread), with only action bits in its keys.
#include "online/messages.h"

#include <cstdlib>

namespace {

std::vector<uint8_t> encodeAgain(const Message &m) {
    switch (m.type) {
    case MessageType::Hello:
        return encodeHello(m.role, m.mapChecksum, m.version, m.protocol);
    case MessageType::Welcome:
        return encodeWelcome(m.mapChecksum, m.version, m.sessionTicks);
    case MessageType::Refuse:
        return encodeRefuse(static_cast<RefuseReason>(m.reason), m.mapChecksum, m.version);
    case MessageType::Keys:
        return encodeKeys(m.round, m.ack, m.ahead, m.first, m.keys.data(), m.keys.size());
    case MessageType::Checksum:
        return encodeChecksum(m.round, m.first, m.checksum);
    case MessageType::Watched:
        return encodeWatched(m.round, m.first, m.keys.data(), m.keys.size() / 2);
    case MessageType::NewGame:
        return encodeNewGame(m.round);
    case MessageType::Goodbye:
        return encodeGoodbye(static_cast<GoodbyeReason>(m.reason), m.first);
    }
    std::abort(); // decodeMessage accepted a type it does not know
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Message m;
    if (!decodeMessage(data, size, m))
        return 0;
    for (uint8_t k : m.keys)
        if (k & ~ActionBitsMask)
            std::abort();
    const bool otherProtocol = (m.type == MessageType::Hello || m.type == MessageType::Welcome ||
                                m.type == MessageType::Refuse) &&
                               m.protocol != NetProtocolVersion;
    if (!otherProtocol && encodeAgain(m) != std::vector<uint8_t>(data, data + size))
        std::abort();
    return 0;
}
