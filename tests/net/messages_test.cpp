// messages_test.cpp: the network messages: each reads back as written, and whatever is cut
// short, runs on, or holds a value out of range is refused.
#include "online/messages.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::vector<uint8_t>> everyKind() {
    const uint8_t keys[3] = {0x00, 0x7f, 0x15};
    const uint8_t pairs[4] = {0x01, 0x02, 0x40, 0x00};
    return {encodeHello(Role::Watcher, 0x1122334455667788ull, "1.0.0"),
            encodeWelcome(42, "1.0.0", 2000),
            encodeRefuse(RefuseReason::Full, 42, "1.0.0"),
            encodeKeys(2, 17, -3, 12, keys, 3),
            encodeChecksum(2, 20, 0xfeedface12345678ull),
            encodeWatched(2, 1, pairs, 2),
            encodeNewGame(3),
            encodeGoodbye(GoodbyeReason::Desync, 120)};
}

TEST(NetMessages, ReadBackAsWritten) {
    Message m;
    const auto all = everyKind();
    ASSERT_TRUE(decodeMessage(all[0].data(), all[0].size(), m));
    EXPECT_EQ(m.type, MessageType::Hello);
    EXPECT_EQ(m.protocol, NetProtocolVersion);
    EXPECT_EQ(m.role, Role::Watcher);
    EXPECT_EQ(m.mapChecksum, 0x1122334455667788ull);
    EXPECT_EQ(m.version, "1.0.0");
    ASSERT_TRUE(decodeMessage(all[1].data(), all[1].size(), m));
    EXPECT_EQ(m.sessionTicks, 2000u);
    ASSERT_TRUE(decodeMessage(all[3].data(), all[3].size(), m));
    EXPECT_EQ(m.round, 2);
    EXPECT_EQ(m.ack, 17u);
    EXPECT_EQ(m.ahead, -3);
    EXPECT_EQ(m.first, 12u);
    EXPECT_EQ(m.keys, (std::vector<uint8_t>{0x00, 0x7f, 0x15}));
    ASSERT_TRUE(decodeMessage(all[4].data(), all[4].size(), m));
    EXPECT_EQ(m.first, 20u);
    EXPECT_EQ(m.checksum, 0xfeedface12345678ull);
    ASSERT_TRUE(decodeMessage(all[5].data(), all[5].size(), m));
    EXPECT_EQ(m.keys, (std::vector<uint8_t>{0x01, 0x02, 0x40, 0x00}));
    ASSERT_TRUE(decodeMessage(all[7].data(), all[7].size(), m));
    EXPECT_EQ(m.reason, static_cast<uint8_t>(GoodbyeReason::Desync));
    EXPECT_EQ(m.first, 120u);
}

TEST(NetMessages, RefusesWhatIsCutShortOrRunsOn) {
    for (const auto &bytes : everyKind()) {
        Message m;
        for (size_t size = 0; size < bytes.size(); size++)
            EXPECT_FALSE(decodeMessage(bytes.data(), size, m))
                << int(bytes[0]) << " cut to " << size;
        auto longer = bytes;
        longer.push_back(0);
        EXPECT_FALSE(decodeMessage(longer.data(), longer.size(), m)) << int(bytes[0]);
    }
}

TEST(NetMessages, RefusesValuesOutOfRange) {
    Message m;
    const uint8_t high[1] = {0x80}; // no action has bit 7
    auto keys = encodeKeys(0, 0, 0, 1, high, 1);
    EXPECT_FALSE(decodeMessage(keys.data(), keys.size(), m));
    const uint8_t none[1] = {0};
    auto tickZero = encodeKeys(0, 0, 0, 0, none, 1); // ticks count from 1
    EXPECT_FALSE(decodeMessage(tickZero.data(), tickZero.size(), m));
    std::vector<uint8_t> many(MaxKeysPerMessage + 1, 0);
    auto tooMany = encodeKeys(0, 0, 0, 1, many.data(), many.size());
    EXPECT_FALSE(decodeMessage(tooMany.data(), tooMany.size(), m));
    auto goodbye = encodeGoodbye(GoodbyeReason::Quit, 0);
    goodbye[1] = 9; // no such reason
    EXPECT_FALSE(decodeMessage(goodbye.data(), goodbye.size(), m));
    const uint8_t unknown[1] = {0x99};
    EXPECT_FALSE(decodeMessage(unknown, 1, m));
    std::vector<uint8_t> huge(MaxMessageBytes + 1, static_cast<uint8_t>(MessageType::NewGame));
    EXPECT_FALSE(decodeMessage(huge.data(), huge.size(), m));
}

TEST(NetMessages, AnotherProtocolsHelloIsReadUpToItsVersion) {
    // a later protocol may say anything after it: the host must still read the number to
    // refuse it in so many words
    auto hello = encodeHello(Role::Player, 1, "9.9", NetProtocolVersion + 1);
    hello.resize(3);
    hello.push_back(0xee);
    Message m;
    ASSERT_TRUE(decodeMessage(hello.data(), hello.size(), m));
    EXPECT_EQ(m.protocol, NetProtocolVersion + 1);
}

TEST(NetMessages, MapChecksumTellsFilesApart) {
    EXPECT_EQ(mapFileChecksum("_ _1\n"), mapFileChecksum("_ _1\n"));
    EXPECT_NE(mapFileChecksum("_ _1\n"), mapFileChecksum("_ _1 \n"));
    EXPECT_NE(mapFileChecksum(""), mapFileChecksum(std::string(1, '\0')));
}

} // namespace
