// A player who drops during a game and comes back from the same address
// with the same name gets the seat back with its hand, over real sockets to
// the real hearts-server.
#include "serverprocess.h"

#include "wiremessage.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

// A player on a loopback address of its own, logging in as a copy of the
// game does: again under another number when the host moves it there.
std::unique_ptr<RawClient> arrive(quint16 port, const QString& from, const std::string& name,
                                  int expectedNumber, const std::string& shownAs = std::string()) {
    auto client = std::make_unique<RawClient>();
    EXPECT_TRUE(client->connectTo(port, 3000, from));
    std::string number = client->waitFor("CMD_sendlogininfo+").substr(18);
    client->send("CMD_logininfo+" + number + "+1.0.9+" + name);
    const std::string expected = std::to_string(expectedNumber);
    if (number != expected) {
        EXPECT_EQ(client->waitFor("CMD_sendlogininfo+" + expected), "CMD_sendlogininfo+" + expected)
            << name << " moved from " << number;
        number = expected;
        client->send("CMD_logininfo+" + number + "+1.0.9+" + name);
    }
    EXPECT_FALSE(
        client->waitFor("CMD_newplayerinfo+" + number + "+" + (shownAs.empty() ? name : shownAs))
            .empty())
        << name;
    return client;
}

// The cards of a CMD_mycards message.
std::set<int> cardsOf(const std::string& message) {
    wire::Fields fields(wire::splitCommand(message).payload);
    fields.number();
    std::set<int> cards;
    while (!fields.empty()) {
        fields.listNumber();
        cards.insert(fields.listNumber());
    }
    return cards;
}

} // namespace

TEST(Rejoin, ADroppedPlayerGetsTheSeatAndHandBack) {
    // Computer players that never play within the test: the game waits.
    ServerProcess server({"--no-announce", "--seed", "3", "--bot-speed", "600000"});
    RawClient host;
    ASSERT_TRUE(waitUntil([&] { return host.connectTo(server.port, 200); }, 5000));
    ASSERT_EQ(host.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+1");
    host.send("CMD_logininfo+1+1.0.9+Host");
    auto bob = arrive(server.port, "127.0.0.2", "Bob", 2);
    auto dee = arrive(server.port, "127.0.0.3", "Dee", 3);
    host.send("CMD_startgame+Host+100+0+");
    host.send("CMD_justwatch+1+1");
    const std::set<int> bobDealt = cardsOf(bob->waitFor("CMD_mycards+2+"));
    const std::set<int> deeDealt = cardsOf(dee->waitFor("CMD_mycards+3+"));
    ASSERT_EQ(bobDealt.size(), 13u);
    ASSERT_FALSE(bob->waitFor("CMD_passcards+2+").empty());

    // Both drop while they should pass; the computer passes for them.
    bob.reset();
    dee.reset();
    ASSERT_FALSE(host.waitFor("CMD_playerdisconnected+3+Dee").empty());
    ASSERT_FALSE(host.waitFor("CMD_nextplayer+").empty()) << "the passing is over";

    // Dee comes back first, from her address: seat 3, not the lower seat 2.
    dee = arrive(server.port, "127.0.0.3", "Dee", 3);
    const std::set<int> deeNow = cardsOf(dee->waitFor("CMD_mycards+3+"));
    EXPECT_EQ(deeNow.size(), 13u);
    int kept = 0;
    for (int card : deeNow) {
        kept += deeDealt.count(card) != 0 ? 1 : 0;
    }
    EXPECT_EQ(kept, 10) << "her hand: the dealt cards less three passed, three received";
    EXPECT_EQ(dee->waitFor("CMD_gamestats+").rfind("CMD_gamestats+100+0+1+", 0), 0u);
    EXPECT_FALSE(dee->with("CMD_existingplayers+1+Host").empty());

    // A newcomer from another address does not take the seat kept for Bob:
    // Bob, back from his, still gets seat 2.
    auto eve = arrive(server.port, "127.0.0.4", "Eve", 4);
    bob = arrive(server.port, "127.0.0.2", "Bob", 2);
    EXPECT_EQ(cardsOf(bob->waitFor("CMD_mycards+2+")).size(), 13u);
    const QString log = server.log();
    EXPECT_TRUE(log.contains(QStringLiteral("seat 3 taken back by Dee"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("seat 2 taken back by Bob"))) << log.toStdString();
}

TEST(Rejoin, TwoPlayersBehindOneAddressGetTheirOwnSeatsAndStrangersNone) {
    ServerProcess server({"--no-announce", "--seed", "3", "--bot-speed", "600000"});
    RawClient host;
    ASSERT_TRUE(waitUntil([&] { return host.connectTo(server.port, 200); }, 5000));
    ASSERT_EQ(host.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+1");
    host.send("CMD_logininfo+1+1.0.9+Host");
    const QString home = QStringLiteral("127.0.0.1");
    auto cy = arrive(server.port, home, "Cy", 2);
    auto bob = arrive(server.port, home, "Bob", 3);
    host.send("CMD_startgame+Host+100+0+");
    host.send("CMD_justwatch+1+1");
    const std::set<int> cyDealt = cardsOf(cy->waitFor("CMD_mycards+2+"));
    const std::set<int> bobDealt = cardsOf(bob->waitFor("CMD_mycards+3+"));
    cy.reset();
    ASSERT_FALSE(host.waitFor("CMD_playerdisconnected+2+Cy").empty());
    bob.reset();
    ASSERT_FALSE(host.waitFor("CMD_playerdisconnected+3+Bob").empty());
    ASSERT_FALSE(host.waitFor("CMD_nextplayer+").empty()) << "the passing is over";

    // Strangers: another name from the address, the same name from another.
    auto eve = arrive(server.port, home, "Eve", 4);
    auto otherBob = arrive(server.port, QStringLiteral("127.0.0.2"), "Bob", 5, "Bob (2)");
    EXPECT_TRUE(eve->with("CMD_mycards+2").empty());
    EXPECT_TRUE(otherBob->with("CMD_mycards").empty());

    // Bob first: his own seat, with cards that are mostly his deal.
    bob = arrive(server.port, home, "Bob", 3);
    const std::set<int> bobNow = cardsOf(bob->waitFor("CMD_mycards+3+"));
    int kept = 0;
    for (int card : bobNow) {
        kept += bobDealt.count(card) != 0 ? 1 : 0;
    }
    EXPECT_EQ(kept, 10) << "his deal less three passed";
    cy = arrive(server.port, home, "Cy", 2);
    const std::set<int> cyNow = cardsOf(cy->waitFor("CMD_mycards+2+"));
    kept = 0;
    for (int card : cyNow) {
        kept += cyDealt.count(card) != 0 ? 1 : 0;
    }
    EXPECT_EQ(kept, 10) << "her deal less three passed";
    spin(100);
    const QString log = server.log();
    EXPECT_TRUE(log.contains(QStringLiteral("seat 3 taken back by Bob"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("seat 2 taken back by Cy"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("taken over"))) << log.toStdString();
}
