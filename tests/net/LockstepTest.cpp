#include <gtest/gtest.h>

#include <random>

#include "net/Lockstep.h"
#include "net/NetMessage.h"
#include "net/NetSession.h"

using namespace sw;

namespace {

// A player whose commands are given tick by tick.
struct TScriptedPlayer : ICommandSource {
  std::function<uint8_t(int64_t)> Bits;
  int64_t Tick = 0;
  void BeginStep(int64_t tick) override { Tick = tick; }
  uint8_t Commands(int pilot) override { return pilot == 1 ? Bits(Tick) : 0; }
};

// Hands what one game sent to the other, as the session does.
void Deliver(TLockstep& from, TLockstep& to) {
  for (const auto& [tick, bits] : from.CommandsOut) EXPECT_TRUE(to.PeerCommands(tick, bits));
  for (const auto& [tick, hash] : from.HashesOut) to.PeerHash(tick, hash);
  from.CommandsOut.clear();
  from.HashesOut.clear();
}

}  // namespace

// Two games step together: each tick is fought only with both games' commands, both see the
// same commands for every tick, a raised delay neither loses nor repeats a press, and the
// first differing hash is caught.
TEST(Lockstep, TwoGamesSeeTheSameCommandsTickByTick) {
  TScriptedPlayer hostPlayer, joinPlayer;
  hostPlayer.Bits = [](int64_t t) { return static_cast<uint8_t>(t % 7 == 0 ? CommandBit(scLock) : CommandBit(scThrust)); };
  joinPlayer.Bits = [](int64_t t) { return static_cast<uint8_t>(t % 5 == 0 ? CommandBit(scAutopilot) : CommandBit(scTurnLeft)); };
  TLockstep host(1, &hostPlayer, NetFirstDelay), join(2, &joinPlayer, NetFirstDelay);
  std::vector<std::pair<uint8_t, uint8_t>> seenByHost, seenByJoin;
  int hostPresses = 0, joinPresses = 0;
  for (int64_t t = 1; t <= 120; ++t) {
    // The joiner's commands sent at tick 40 come late: the host cannot fight tick 43 until they do.
    if (t == 41) {
      EXPECT_TRUE(host.Ready(42));
      EXPECT_FALSE(host.Ready(43));
      Deliver(join, host);
      EXPECT_TRUE(host.Ready(43));
    }
    ASSERT_TRUE(host.Ready(t)) << t;
    ASSERT_TRUE(join.Ready(t)) << t;
    if (t == 60) join.RaiseDelay(6);  // a slow line found at tick 60
    host.BeginStep(t);
    join.BeginStep(t);
    seenByHost.emplace_back(host.Commands(1), host.Commands(2));
    seenByJoin.emplace_back(join.Commands(1), join.Commands(2));
    hostPresses += (host.Commands(1) & CommandBit(scLock)) != 0;
    joinPresses += (join.Commands(2) & CommandBit(scAutopilot)) != 0;
    host.Checkpoint(t, 1000 + static_cast<uint64_t>(t));
    join.Checkpoint(t, 1000 + static_cast<uint64_t>(t) + (t >= 90 ? 1 : 0));
    Deliver(host, join);
    if (t != 40) Deliver(join, host);
  }
  EXPECT_EQ(seenByHost, seenByJoin);
  // The first three ticks have nobody's commands; then each tick has the commands sampled
  // `delay` ticks before it.
  EXPECT_EQ(seenByHost[0], std::make_pair(uint8_t{0}, uint8_t{0}));
  EXPECT_EQ(seenByHost[3].first, CommandBit(scThrust));
  EXPECT_EQ(seenByHost[9].first, CommandBit(scLock));  // sampled at tick 7, fought at tick 10
  // Every press was fought exactly once: ticks 7, 14, ... sampled up to 117 for the host; the
  // joiner's 5, 10, ... up to 114 (its delay grew to 6 at tick 60).
  EXPECT_EQ(hostPresses, 16);
  EXPECT_EQ(joinPresses, 22);
  EXPECT_EQ(join.Delay(), 6);
  join.RaiseDelay(4);
  EXPECT_EQ(join.Delay(), 6);
  EXPECT_EQ(host.OutOfSyncTick, 90);
  EXPECT_EQ(join.OutOfSyncTick, 90);
  EXPECT_EQ(host.AgreedTick, 60);
  // A tick already fought, one far ahead, and one given twice are refused.
  EXPECT_FALSE(host.PeerCommands(100, 1));
  EXPECT_FALSE(host.PeerCommands(120 + 200, 1));
  EXPECT_TRUE(host.PeerCommands(127, 1) || host.Ready(127));
  EXPECT_FALSE(host.PeerCommands(127, 1));
  EXPECT_FALSE(host.PeerHash(125, 1));
}

TEST(Lockstep, DelayFollowsTheRoundTrip) {
  EXPECT_EQ(NetDelayFor(0, 30), 3);
  EXPECT_EQ(NetDelayFor(50, 30), 3);
  EXPECT_EQ(NetDelayFor(100, 30), 4);
  EXPECT_EQ(NetDelayFor(200, 30), 5);
  EXPECT_EQ(NetDelayFor(2000, 30), 8);
}

// Every kind comes back as it went; anything of the wrong size, kind or version is refused,
// and random bytes never pass for a message of another size than they are.
TEST(NetMessage, ExactBytesOrNothing) {
  std::vector<TNetMessage> all(8);
  all[0].Kind = nkHello, all[0].Text = "1.0", all[0].Number = 0x1122334455667788ULL;
  all[1].Kind = nkRefuse, all[1].Bits = nrVersion, all[1].Text = "2.3";
  all[2].Kind = nkBattle, all[2].Number = 99, all[2].Interval = 30, all[2].Delay = 3, all[2].Text = "[MISC]\nTOTAL_SHIPS=2\n";
  all[3].Kind = nkCommands, all[3].Tick = 70000, all[3].Bits = 0xA5;
  all[4].Kind = nkHash, all[4].Tick = 90, all[4].Number = 0xFEDCBA9876543210ULL;
  all[5].Kind = nkPing, all[5].Tick = 123456;
  all[6].Kind = nkPong, all[6].Tick = 654321;
  all[7].Kind = nkBye, all[7].Bits = nrLeft, all[7].Tick = 3000;
  for (const TNetMessage& m : all) {
    const std::vector<uint8_t> bytes = EncodeNetMessage(m);
    TNetMessage back;
    ASSERT_TRUE(DecodeNetMessage(bytes.data(), bytes.size(), back)) << int(m.Kind);
    EXPECT_EQ(EncodeNetMessage(back), bytes);
    // One byte short, one byte more, another version, another mark: none is a message.
    EXPECT_FALSE(DecodeNetMessage(bytes.data(), bytes.size() - 1, back));
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DecodeNetMessage(longer.data(), longer.size(), back));
    std::vector<uint8_t> other = bytes;
    other[1] = NetProtocolVersion + 1;
    EXPECT_FALSE(DecodeNetMessage(other.data(), other.size(), back));
    other = bytes;
    other[0] ^= 0xFF;
    EXPECT_FALSE(DecodeNetMessage(other.data(), other.size(), back));
  }
  std::vector<uint8_t> unknown{NetMark, NetProtocolVersion, 99, 0, 0, 0, 0};
  TNetMessage m;
  EXPECT_FALSE(DecodeNetMessage(unknown.data(), unknown.size(), m));
  std::mt19937 dice(7);
  for (int i = 0; i < 20000; ++i) {
    std::vector<uint8_t> junk(dice() % 64);
    for (auto& b : junk) b = static_cast<uint8_t>(dice());
    if (junk.size() >= 3) junk[0] = NetMark, junk[1] = NetProtocolVersion, junk[2] = static_cast<uint8_t>(1 + dice() % 8);
    if (DecodeNetMessage(junk.data(), junk.size(), m)) {
      EXPECT_EQ(EncodeNetMessage(m), junk);
    }
  }
}

TEST(NetSession, AddressesAreHostAndPort) {
  std::string host;
  uint16_t port = 0;
  EXPECT_TRUE(TNetSession::ParseAddress("192.168.1.5", host, port));
  EXPECT_EQ(host, "192.168.1.5");
  EXPECT_EQ(port, NetDefaultPort);
  EXPECT_TRUE(TNetSession::ParseAddress(" example.org:4999 ", host, port));
  EXPECT_EQ(host, "example.org");
  EXPECT_EQ(port, 4999);
  EXPECT_FALSE(TNetSession::ParseAddress("", host, port));
  EXPECT_FALSE(TNetSession::ParseAddress("host:", host, port));
  EXPECT_FALSE(TNetSession::ParseAddress("host:70000", host, port));
  EXPECT_FALSE(TNetSession::ParseAddress("host:0", host, port));
  EXPECT_FALSE(TNetSession::ParseAddress(":4520", host, port));
}
