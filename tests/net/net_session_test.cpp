// net_session_test.cpp: sessions on the loopback in one process: the keys cross both ways and
// reach a watcher, after N a new round starts afresh (its keys never mixed with the old
// round's), and a host takes no more than its 8 watchers.
#include "online/net_session.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

uint16_t freePort() {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size);
    close(fd);
    return ntohs(address.sin_port);
}

NetConfig configFor(NetRole role, uint16_t port) {
    NetConfig config;
    config.role = role;
    config.port = port;
    config.mapChecksum = 7;
    config.version = "test";
    config.tickMs = 5;
    return config;
}

struct Machines {
    NetSession host, join, watch;
    // Service all three until `done` (at most about `limitMs`).
    bool until(const std::function<bool()> &done, int limitMs = 5000) {
        for (int i = 0; i < limitMs; i++) {
            host.service();
            join.service();
            watch.service();
            if (done())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
};

TEST(NetSession, KeysCrossAndANewRoundStartsAfresh) {
    Machines m;
    const uint16_t port = freePort();
    ASSERT_TRUE(m.host.start(configFor(NetRole::Host, port)));
    ASSERT_TRUE(m.join.start(configFor(NetRole::Join, port)));
    ASSERT_TRUE(m.watch.start(configFor(NetRole::Watch, port)));
    ASSERT_TRUE(m.until([&] {
        return m.host.phase() == NetPhase::Playing && m.join.phase() == NetPhase::Playing &&
               m.watch.phase() == NetPhase::Playing;
    }));
    for (uint32_t t = 1; t <= 20; t++) {
        m.host.addLocalKeys(static_cast<uint8_t>(t));
        m.join.addLocalKeys(static_cast<uint8_t>(3 * t & ActionBitsMask));
    }
    ASSERT_TRUE(m.until([&] {
        return m.host.remoteTicks() == 20 && m.join.remoteTicks() == 20 &&
               m.watch.watchedTicks() == 20;
    }));
    for (uint32_t t = 1; t <= 20; t++) {
        EXPECT_EQ(m.join.remoteKeys(t), m.host.localKeys(t));
        EXPECT_EQ(m.host.remoteKeys(t), m.join.localKeys(t));
        EXPECT_EQ(m.watch.watchedKeys(t, 0), m.host.localKeys(t));
        EXPECT_EQ(m.watch.watchedKeys(t, 1), m.join.localKeys(t));
    }

    // N on the joiner, which starts the next round first
    m.join.askNewGame();
    ASSERT_TRUE(m.until([&] { return m.host.newGameAsked(); }));
    m.join.newRound();
    m.join.addLocalKeys(0x11);
    m.until([] { return false; }, 300); // time enough for the new keys to arrive
    EXPECT_EQ(m.host.remoteTicks(), 20u) << "a key of the next round counted in this one";
    m.host.newRound();
    ASSERT_TRUE(m.until([&] { return m.watch.newGameAsked(); }));
    m.watch.newRound();
    m.host.addLocalKeys(0x22);
    ASSERT_TRUE(m.until([&] { return m.host.remoteTicks() == 1 && m.watch.watchedTicks() == 1; }));
    EXPECT_EQ(m.host.remoteKeys(1), 0x11);
    EXPECT_EQ(m.watch.watchedKeys(1, 0), 0x22);
    EXPECT_EQ(m.watch.watchedKeys(1, 1), 0x11);
    EXPECT_EQ(m.host.stats().dropped, 0u);
}

} // namespace

TEST(NetSession, AHostTakesEightWatchersAndRefusesTheNinth) {
    const uint16_t port = freePort();
    NetSession host;
    ASSERT_TRUE(host.start(configFor(NetRole::Host, port)));
    std::vector<std::unique_ptr<NetSession>> watchers;
    for (int i = 0; i <= MaxWatchers; i++) {
        watchers.push_back(std::make_unique<NetSession>());
        ASSERT_TRUE(watchers.back()->start(configFor(NetRole::Watch, port)));
        // one at a time, so that the last one is the one too many
        for (int n = 0; n < 5000 && watchers.back()->phase() == NetPhase::Connecting; n++) {
            host.service();
            for (auto &watcher : watchers)
                watcher->service();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    for (int i = 0; i < MaxWatchers; i++)
        EXPECT_EQ(watchers[i]->phase(), NetPhase::Playing) << i;
    EXPECT_EQ(watchers.back()->failure(), NetFailure::Refused);
    EXPECT_NE(watchers.back()->failureText().find("8 watchers"), std::string::npos)
        << watchers.back()->failureText();
    EXPECT_EQ(host.phase(), NetPhase::Waiting); // still waiting for its player
    EXPECT_EQ(host.takeNotices().size(), 1u);
}
