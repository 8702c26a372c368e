// Two runner processes fight one network duel over the loopback address.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "battle/Replay.h"
#include "NetSides.h"
#include "net/NetMessage.h"
#include "net/NetTransport.h"

using namespace sw;
using namespace nettest;

namespace {

// Host and joiner scripted differently, fighting `ticks` battle ticks; `extra` goes to both,
// `hostOnly` to the host.
void Fight(TSide& host, TSide& join, int port, int ticks, const std::string& extra, const std::string& hostOnly = "") {
  WriteText(host.Root.Path + "pilot.txt", HostScript);
  WriteText(join.Root.Path + "pilot.txt", JoinScript);
  const std::string common = " --ticks " + std::to_string(ticks) + " " + extra;
  auto files = [](TSide& s) { return " --script " + s.Root.Path + "pilot.txt --record " + s.Root.Path + "duel-replay.adf"; };
  host.Start("--host " + std::to_string(port) + " --seed 7 --battle-file duel.adf" + common + files(host) + " " + hostOnly);
  join.Start("--join 127.0.0.1:" + std::to_string(port) + common + files(join));
}

std::string CommandsSection(const std::string& replay) {
  const size_t from = replay.find("[COMMANDS]");
  const size_t to = replay.find("[HASHES]");
  return from == std::string::npos ? "" : replay.substr(from, to - from);
}

// Both games fought the same battle to the same tick: same hashes, same replays, and the
// replay plays back with every hash matching.
void ExpectSameBattle(TSide& host, TSide& join, int ticks) {
  const nlohmann::json h = host.State(), j = join.State();
  ASSERT_TRUE(h.is_object()) << host.Output();
  ASSERT_TRUE(j.is_object()) << join.Output();
  EXPECT_EQ(h["net"]["role"], "host");
  EXPECT_EQ(j["net"]["role"], "join");
  EXPECT_EQ(h["net"]["ticks"], ticks) << host.Output();
  EXPECT_EQ(j["net"]["ticks"], ticks) << join.Output();
  EXPECT_EQ(h["net"]["last_hash"], j["net"]["last_hash"]);
  EXPECT_GE(h["net"]["agreed_tick"].get<int>(), ticks - 30);
  EXPECT_EQ(j["net"]["peer_version"], GameVersion);
  const std::string hr = ReadText(host.Root.Path + "duel-replay.adf"), jr = ReadText(join.Root.Path + "duel-replay.adf");
  ASSERT_FALSE(hr.empty());
  EXPECT_EQ(hr, jr);
  // Both pilots' commands are in it: each game's player reached the other game.
  const TReplay replay = ParseReplay(hr, "duel");
  bool flew[2] = {false, false};
  for (const TCommandRun& run : replay.Runs)
    if (run.Bits != 0) flew[run.Pilot - 1] = true;
  EXPECT_TRUE(flew[0] && flew[1]);
  // The games kept the battle in replays/ as well, with the same commands.
  EXPECT_EQ(CommandsSection(ReadText(host.Root.Path + "replays/last.adf")),
            CommandsSection(ReadText(join.Root.Path + "replays/last.adf")));
  EXPECT_FALSE(CommandsSection(ReadText(host.Root.Path + "replays/last.adf")).empty());
}

}  // namespace

// A clean line: 3000 ticks in lockstep. While it runs, a third game calls the host and is
// refused politely, and a few thousand random datagrams hit the host's port; the battle comes
// out exactly as the same duel fought beside it on a quiet line. Meanwhile a caller that sends
// nonsense to a waiting host is sent away without keeping the real player out.
TEST(NetDuel, TwoGamesFightOneBattleWhateverElseKnocks) {
  const int ticks = 3000;
  // The quiet duel and the knocked one are fought side by side.
  TSide quietHost, quietJoin, host, join;
  Fight(quietHost, quietJoin, TestPort(0), ticks, "--net-delay 3");
  const int port = TestPort(1);
  Fight(host, join, port, ticks, "--net-delay 3");
  TSide lone, player;
  const int lonePort = TestPort(8);
  lone.Start("--host " + std::to_string(lonePort) + " --seed 7 --battle-file duel.adf --ticks 60");
  // A third game calls once the two are fighting.
  for (int i = 0; i < 2000 && host.Output().find("net: fighting") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_NE(host.Output().find("net: fighting"), std::string::npos) << host.Output();
  TNetTransport third;
  ASSERT_TRUE(third.Connect("127.0.0.1", static_cast<uint16_t>(port)));
  bool refused = false, closed = false;
  for (int i = 0; i < 400 && !closed; ++i) {
    third.Service();
    TNetEvent e;
    while (third.Poll(e)) {
      TNetMessage m;
      if (e.Kind == TNetEvent::Received && DecodeNetMessage(e.Data.data(), e.Data.size(), m))
        refused = refused || (m.Kind == nkRefuse && m.Bits == nrFull);
      if (e.Kind == TNetEvent::Disconnected) closed = true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(refused);
  EXPECT_TRUE(closed);
  // Random datagrams of random sizes at the host's port.
  const int sock = socket(AF_INET, SOCK_DGRAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::mt19937 dice(12345);
  std::vector<uint8_t> datagram;
  for (int i = 0; i < 3000; ++i) {
    datagram.resize(dice() % 200);
    for (auto& b : datagram) b = static_cast<uint8_t>(dice());
    // Some look like the start of one of ours.
    if (datagram.size() > 3 && i % 3 == 0) datagram[0] = NetMark, datagram[1] = NetProtocolVersion;
    sendto(sock, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (i % 100 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  close(sock);
  // A caller that talks nonsense before anyone else reaches a third host: it is sent away, and
  // the real player still gets in and fights.
  TNetTransport nonsense;
  ASSERT_TRUE(nonsense.Connect("127.0.0.1", static_cast<uint16_t>(lonePort)));
  bool called = false, sentAway = false;
  for (int i = 0; i < 2000 && !sentAway; ++i) {
    nonsense.Service();
    TNetEvent e;
    while (nonsense.Poll(e)) {
      if (e.Kind == TNetEvent::Connected) {
        called = true;
        nonsense.Send(e.Peer, 0, {1, 2, 3, 4, 5});
      }
      if (e.Kind == TNetEvent::Disconnected) sentAway = true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(called);
  EXPECT_TRUE(sentAway);
  player.Start("--join 127.0.0.1:" + std::to_string(lonePort) + " --ticks 60");
  EXPECT_EQ(lone.Wait(), 0) << lone.Output();
  EXPECT_EQ(player.Wait(), 0) << player.Output();
  EXPECT_EQ(lone.State()["net"]["last_hash"], player.State()["net"]["last_hash"]);
  EXPECT_GE(lone.State()["net"]["dropped_packets"].get<int>(), 1);

  EXPECT_EQ(host.Wait(), 0) << host.Output();
  EXPECT_EQ(join.Wait(), 0) << join.Output();
  ExpectSameBattle(host, join, ticks);
  EXPECT_EQ(quietHost.Wait(), 0) << quietHost.Output();
  EXPECT_EQ(quietJoin.Wait(), 0) << quietJoin.Output();
  ExpectSameBattle(quietHost, quietJoin, ticks);
  EXPECT_EQ(host.State()["net"]["last_hash"], quietHost.State()["net"]["last_hash"]);
  // The replay of the network battle plays back alone.
  const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + host.Root.Path + " --replay " +
                          host.Root.Path + "duel-replay.adf > " + host.Root.Path + "play.txt 2>&1";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_NE(ReadText(host.Root.Path + "play.txt").find("replay: ticks=3000 hashes=100 matched=100"), std::string::npos)
      << ReadText(host.Root.Path + "play.txt");
}

// A line that holds every packet back 100 ms each way and loses 5 % of the datagrams: ENet
// sends them again, the delay grows to cover the round trip, and both games still agree.
TEST(NetDuel, SlowLossyLineStillAgrees) {
  TSide host, join;
  const int ticks = 360;
  Fight(host, join, TestPort(2), ticks, "--net-lag 100 --net-drop 5");
  EXPECT_EQ(host.Wait(), 0) << host.Output();
  EXPECT_EQ(join.Wait(), 0) << join.Output();
  ExpectSameBattle(host, join, ticks);
  EXPECT_GE(host.State()["net"]["round_trip_ms"].get<double>(), 180.0);
  EXPECT_GT(host.State()["net"]["delay"].get<int>(), 3);
}

// A replay kept under a name of its own in replays/ (not only as last.adf and among the recent).
bool KeptNamedReplay(const std::string& root) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(root + "replays", ec))
    if (entry.is_regular_file() && entry.path().filename() != "last.adf" && entry.path().extension() == ".adf") return true;
  return false;
}

// Three duels at once, each failing its own way. A game killed mid-battle: the other says
// "Connection lost" within 11 s and leaves its battle for the set-up. A game of another version
// is refused on both sides, each naming the other's; the host goes on waiting for a player. Two games whose battles go apart (one is
// knocked a pixel off at tick 100) both stop at the next hash, tick 120, and both keep the
// battle in replays/ for a bug report.
TEST(NetDuel, LostPeerOtherVersionAndBattlesApartGetAClearWord) {
  TSide host, join;
  Fight(host, join, TestPort(3), 100000, "");
  TSide oldHost, newJoin;
  const int port = TestPort(4);
  oldHost.Start("--host " + std::to_string(port) + " --battle-file duel.adf --ticks 300 --net-version 9.9 --net-timeout 4");
  newJoin.Start("--join 127.0.0.1:" + std::to_string(port) + " --ticks 300");
  TSide apartHost, apartJoin;
  Fight(apartHost, apartJoin, TestPort(7), 3000, "--net-delay 3", "--net-nudge 100");

  // The joiner dies a moment into the battle.
  for (int i = 0; i < 2000 && host.Output().find("net: fighting") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  join.Kill();
  const auto killed = std::chrono::steady_clock::now();
  EXPECT_EQ(host.Wait(), 1);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - killed).count();
  EXPECT_LT(seconds, 11.0);
  EXPECT_GT(seconds, 9.0);
  const nlohmann::json h = host.State();
  ASSERT_TRUE(h.is_object()) << host.Output();
  EXPECT_EQ(h["net"]["message"], "Connection lost");
  EXPECT_EQ(h["game_state"], 4);  // back on the dogfight set-up
  EXPECT_TRUE(h["battle"].is_null());
  EXPECT_GT(h["net"]["ticks"].get<int>(), 0);
  EXPECT_TRUE(h["errors"].empty()) << h["errors"].dump();

  EXPECT_EQ(oldHost.Wait(), 1) << oldHost.Output();
  EXPECT_EQ(newJoin.Wait(), 1) << newJoin.Output();
  // The host goes on waiting for a player with the right game (until the run gives up).
  EXPECT_EQ(oldHost.State()["net"]["message"], "The other player's game is a different version (" + std::string(GameVersion) +
                                                     "). Waiting for a player on port " + std::to_string(port));
  EXPECT_EQ(newJoin.State()["net"]["message"], "The other player's game is a different version (9.9)");
  EXPECT_TRUE(oldHost.State()["battle"].is_null());
  EXPECT_TRUE(newJoin.State()["battle"].is_null());

  EXPECT_EQ(apartHost.Wait(), 1) << apartHost.Output();
  EXPECT_EQ(apartJoin.Wait(), 1) << apartJoin.Output();
  for (TSide* side : {&apartHost, &apartJoin}) {
    const nlohmann::json j = side->State();
    ASSERT_TRUE(j.is_object()) << side->Output();
    EXPECT_EQ(j["net"]["message"], "Out of sync at tick 120") << j["net"]["role"];
    EXPECT_EQ(j["net"]["agreed_tick"], 90) << j["net"]["role"];
    EXPECT_EQ(j["game_state"], 4);
    EXPECT_TRUE(KeptNamedReplay(side->Root.Path)) << j["net"]["role"];
  }
}
