// Decitray's pushes through the element client, against a recording DDE server.
#include "decitray/Decitray.h"

#include "decitray/tests/TestSupport.h"
#include "taskbar/testing/RecordingDdeServer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using testkit::RecordedPoke;
using testkit::RecordingDdeServer;

TEST(PushReadingsTest, WithoutServerOnlyTriesToConnect)
{
    ElementClient client;
    PushReadings(client, "1::2::3", "4::5::6");
    PushReadings(client, "1::2::3", "4::5::6");
    EXPECT_FALSE(client.IsConnected());
}

TEST(PushReadingsTest, ConnectsOnOneTickAndPokesBothTextsOnTheNext)
{
    RecordingDdeServer server;
    ElementClient client;

    PushReadings(client, "4::8::58", "94::7::3");
    EXPECT_TRUE(client.IsConnected());
    EXPECT_TRUE(WaitUntil([&] { return server.Connects().size() == 1; }));
    EXPECT_TRUE(server.Pokes().empty()) << "nothing is poked on the tick that makes the link";

    PushReadings(client, "4::8::59", "94::7::3");
    PushReadings(client, "9::99::99", "138::6::3");
    const std::vector<RecordedPoke> pokes = server.Pokes();
    ASSERT_EQ(pokes.size(), 4u);
    const char* const items[] = {"DC", "DD", "DC", "DD"};
    const std::string bytes[] = {"4::8::59\0"s, "94::7::3\0"s, "9::99::99\0"s, "138::6::3\0"s};
    for (size_t i = 0; i < pokes.size(); ++i) {
        EXPECT_EQ(pokes[i].item, items[i]);
        EXPECT_EQ(pokes[i].format, static_cast<UINT>(CF_TEXT));
        EXPECT_EQ(pokes[i].bytes, bytes[i]) << "the text and exactly one NUL";
    }
    EXPECT_EQ(server.Connects().size(), 1u) << "the conversation is kept, not made anew";

    client.Disconnect();
    EXPECT_TRUE(WaitUntil([&] { return server.Disconnects() == 1; }));
}

TEST(PushReadingsTest, PokeTimingOutOnLiveConversationKeepsIt)
{
    RecordingDdeServer server;
    ElementClient client;
    PushReadings(client, "0::0::1", "0::0::0");
    ASSERT_TRUE(client.IsConnected());

    server.Pause();
    const DWORD start = GetTickCount();
    PushReadings(client, "0::0::2", "0::0::0");
    EXPECT_GE(GetTickCount() - start, 1500u) << "both pokes wait for their time-out";
    EXPECT_TRUE(client.IsConnected());
    server.Resume();
    PumpMessagesFor(300);

    PushReadings(client, "0::0::3", "0::0::0");
    ASSERT_FALSE(server.Pokes().empty());
    EXPECT_EQ(server.Pokes().back().bytes, "0::0::0\0"s);
    EXPECT_EQ(server.Connects().size(), 1u);
}

// The clock component goes away (shell restart, component removed and
// installed again): the link notices on the next failed poke and connects anew.
TEST(PushReadingsTest, ConnectsAnewAfterTheServerWentAway)
{
    RecordingDdeServer server;
    ElementClient client;
    PushReadings(client, "1::0::0", "2::0::0");
    PushReadings(client, "1::0::1", "2::0::0");
    ASSERT_EQ(server.Pokes().size(), 2u);

    server.Stop();
    PumpMessagesFor(100);
    PushReadings(client, "1::0::2", "2::0::0");
    EXPECT_FALSE(client.IsConnected());
    PushReadings(client, "1::0::3", "2::0::0"); // no server: stays unconnected
    EXPECT_FALSE(client.IsConnected());

    server.Start();
    PushReadings(client, "1::0::4", "2::0::0");
    EXPECT_TRUE(client.IsConnected());
    PushReadings(client, "1::0::5", "2::0::0");
    const std::vector<RecordedPoke> pokes = server.Pokes();
    ASSERT_EQ(pokes.size(), 4u);
    EXPECT_EQ(pokes[2].bytes, "1::0::5\0"s);
    EXPECT_EQ(server.Connects().size(), 2u);
}

} // namespace
