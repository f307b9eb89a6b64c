// Table addresses and invitation links: what is read, what is refused and
// why, and links written so that they read back.
#include "invitation.h"

#include <gtest/gtest.h>

using invitation::TableAddress;

namespace {

struct Case {
    const char* text;
    const char* host; // nullptr: refused
    int port;
    const char* table;
};

// A reading as the case says: the table it names, or refused with a reason.
void expectReading(const Case& c, const invitation::Reading& reading) {
    if (c.host == nullptr) {
        EXPECT_FALSE(reading.address.has_value()) << c.text;
        EXPECT_FALSE(reading.problem.empty()) << c.text;
        return;
    }
    ASSERT_TRUE(reading.address.has_value()) << c.text << ": " << reading.problem;
    EXPECT_EQ(reading.address->host, c.host) << c.text;
    EXPECT_EQ(reading.address->port, c.port) << c.text;
    EXPECT_EQ(reading.address->table, c.table) << c.text;
}

} // namespace

TEST(Invitation, LinksReadAsTheTableTheyName) {
    const Case cases[] = {
        {"hearts://203.0.113.7:7772/?table=Ann%27s%20table", "203.0.113.7", 7772, "Ann's table"},
        {"hearts://203.0.113.7:8000/", "203.0.113.7", 8000, ""},
        {"HEARTS://table.example.org/?table=Friday+night", "table.example.org", 7772,
         "Friday night"},
        {"hearts://[2001:db8::1]:7773/?table=v6", "2001:db8::1", 7773, "v6"},
        {"hearts://[2001:db8::1]/?table=v6", "2001:db8::1", 7772, "v6"},
        {"hearts://host:7772?table=x", "host", 7772, "x"},
        // Fields of a later copy are passed over; a fragment too.
        {"hearts://host:7772/?seat=2&table=x&colour=red#top", "host", 7772, "x"},
        // Control characters go from the name.
        {"hearts://host/?table=a%0Ab%1B", "host", 7772, "ab"},
        // Refused: not a link, no address, bad ports, broken escapes,
        // brackets without IPv6, a user, a path, a bad host name.
        {"http://host:7772/", nullptr, 0, nullptr},
        {"hearts://", nullptr, 0, nullptr},
        {"hearts:///?table=x", nullptr, 0, nullptr},
        {"hearts://host:0/", nullptr, 0, nullptr},
        {"hearts://host:65536/", nullptr, 0, nullptr},
        {"hearts://host:77a/", nullptr, 0, nullptr},
        {"hearts://host:/", nullptr, 0, nullptr},
        {"hearts://host/?table=%4", nullptr, 0, nullptr},
        {"hearts://host/?table=%zz", nullptr, 0, nullptr},
        {"hearts://[host]:7772/", nullptr, 0, nullptr},
        {"hearts://[2001:db8::1:7772/", nullptr, 0, nullptr},
        {"hearts://me@host/", nullptr, 0, nullptr},
        {"hearts://host/join?table=x", nullptr, 0, nullptr},
        {"hearts://ho st/", nullptr, 0, nullptr},
        {"hearts://host;rm -rf/", nullptr, 0, nullptr},
    };
    for (const Case& c : cases) {
        expectReading(c, invitation::readLink(c.text, 7772));
    }
}

TEST(Invitation, TypedAddressesAndPastedLinks) {
    const Case cases[] = {
        {"192.168.1.20", "192.168.1.20", 7772, ""},
        {" 192.168.1.20:7800 ", "192.168.1.20", 7800, ""},
        {"table.example.org", "table.example.org", 7772, ""},
        {"2001:db8::1", "2001:db8::1", 7772, ""},
        {"[2001:db8::1]:7774", "2001:db8::1", 7774, ""},
        {"[::1]", "::1", 7772, ""},
        {"hearts://10.0.0.2:7775/?table=Lan", "10.0.0.2", 7775, "Lan"},
        {"", nullptr, 0, nullptr},
        {"host:99999", nullptr, 0, nullptr},
        {"[2001:db8::1]7774", nullptr, 0, nullptr},
        {"bad/host", nullptr, 0, nullptr},
    };
    for (const Case& c : cases) {
        expectReading(c, invitation::readAddress(c.text, 7772));
    }
}

TEST(Invitation, ALinkWrittenReadsBack) {
    for (const TableAddress& table :
         {TableAddress{"203.0.113.7", 7772, "Ann's table & more"},
          TableAddress{"2001:db8::7", 7772, "Пятница"}, TableAddress{"host.example", 9000, ""}}) {
        const std::string link = invitation::linkTo(table);
        EXPECT_EQ(link.find_first_of(" '&\"<>"), std::string::npos) << link;
        const invitation::Reading reading = invitation::readLink(link, 1);
        ASSERT_TRUE(reading.address.has_value()) << link << ": " << reading.problem;
        EXPECT_EQ(reading.address->host, table.host);
        EXPECT_EQ(reading.address->port, table.port);
        EXPECT_EQ(reading.address->table, table.table);
    }
    EXPECT_EQ(invitation::linkTo({"2001:db8::7", 7772, "A b"}),
              "hearts://[2001:db8::7]:7772/?table=A%20b");
    EXPECT_EQ(invitation::hostAndPort({"2001:db8::7", 7772, ""}), "[2001:db8::7]:7772");
}
