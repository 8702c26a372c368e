// Pads in the game, through the headless runner's virtual pads: a pad flies a ship, a pad
// pulled out in the middle of a battle pauses it until one comes back, two pads fly both
// pilots and their battle plays back from its replay, and pads that come and go at odd
// moments break nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "GameRootCopy.h"

namespace {

const std::string PadNotice = "Pad disconnected \u2014 reconnect or press Escape";

// One run of the runner on the duel battle (both flagships flown by people) in a root of its
// own, with a config.ini and a script; the summaries its "N state" lines wrote are read back.
struct TPadRun {
  TGameRootCopy Root;
  int Code = -1;
  std::string Output;

  // In `more`, @REPLAY@ stands for fight.adf in the root.
  TPadRun(const std::string& config, const std::string& script, long long ticks, std::string more = "") {
    if (const size_t at = more.find("@REPLAY@"); at != std::string::npos) more.replace(at, 8, Root.Path + "fight.adf");
    std::ofstream(Root.Path + "config.ini") << config;
    std::string withPaths;
    std::istringstream lines(script);
    // "N state" lines write their summary to sN.json in the root.
    for (std::string line; std::getline(lines, line);) {
      const size_t at = line.find(" state");
      if (at != std::string::npos && line.find(".json") == std::string::npos)
        line += " " + Root.Path + "s" + line.substr(0, at) + ".json";
      withPaths += line + "\n";
    }
    std::ofstream(Root.Path + "pads.txt") << withPaths;
    const std::string cmd = std::string(STARWAKE_HEADLESS) + " --seed 5 --root " + Root.Path + " --battle-file " +
                            STARWAKE_SOURCE_DIR + "/tests/battle_loop/duel.adf --script " + Root.Path +
                            "pads.txt --ticks " + std::to_string(ticks) + " " + more + " > " + Root.Path +
                            "out.txt 2>&1";
    const int rc = std::system(cmd.c_str());
    Code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    Output = Slurp(Root.Path + "out.txt");
  }
  static std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  nlohmann::json State(int tick) const {
    std::ifstream in(Root.Path + "s" + std::to_string(tick) + ".json");
    if (!in) {
      ADD_FAILURE() << "no summary of tick " << tick << ": " << Output;
      return nlohmann::json::object();
    }
    return nlohmann::json::parse(in);
  }
  static const nlohmann::json& Ship(const nlohmann::json& state, const std::string& name) {
    static const nlohmann::json none = nlohmann::json::object();
    for (const auto& o : state["battle"]["objects"])
      if (o["name"] == name) return o;
    return none;
  }
  static double Heading(const nlohmann::json& state, const std::string& name) {
    return Ship(state, name).value("heading", -1.0);
  }
  // How far a ship turned clockwise between two summaries, in heading units (-127.5..127.5).
  static double Turned(const nlohmann::json& from, const nlohmann::json& to, const std::string& name) {
    return std::fmod(Heading(to, name) - Heading(from, name) + 255 + 127.5, 255.0) - 127.5;
  }
  static int Shots(const nlohmann::json& state, const std::string& launcher) {
    int n = 0;
    for (const auto& o : state["battle"]["objects"])
      if (o["kind"] == 2 && o["launcher"] == launcher) ++n;
    return n;
  }
};

}  // namespace

TEST(PadBattle, APadFliesAShipAndALostPadPausesTheBattleUntilOneComesBack) {
  TPadRun run("[PLAYER1]\nCON_TYPE=1\n",
              "1 pad 1 plug\n"
              "2 pad 1 x down\n"  // any button starts the fight; the lock goes off once, though X is held
              "9 pad 1 x up\n"
              "9 state\n"
              "10 pad 1 leftx 32767\n"  // turning right, full and then just past the dead zone
              "14 pad 1 leftx 17000\n"
              "18 pad 1 leftx 16000\n"  // inside the dead zone
              "18 state\n"
              "22 state\n"
              "23 pad 1 y down\n"  // the autopilot, held for a while: one switch
              "30 pad 1 y up\n"
              "30 state\n"
              "31 pad 1 y down\n"  // a tap inside one tick still switches it back
              "31 pad 1 y up\n"
              "31 state\n"
              "35 pad 1 leftx -32768\n"
              "40 pad 1 unplug\n"  // pulled out while turning
              "40 state\n"
              "45 key 27\n"  // Escape leaves for the options, as ever
              "52 state\n"
              "53 pad 1 plug\n"
              "54 key 27\n"
              "62 state\n",
              62);
  ASSERT_EQ(run.Code, 0) << run.Output;
  const auto s9 = run.State(9), s18 = run.State(18), s22 = run.State(22), s30 = run.State(30), s31 = run.State(31);
  EXPECT_EQ(s9["errors"], nlohmann::json::array());
  EXPECT_EQ(s9["battle"]["phase"], 1) << "a pad button left the pre-battle screen";
  EXPECT_EQ(s9["battle"]["lock1"], false);
  EXPECT_EQ(s9["battle"]["paused"], nullptr);
  EXPECT_EQ(s9["controls"]["pads"], (nlohmann::json::parse(R"([{"slot":1,"name":"Virtual pad 1","pilot":1,"mapped":true}])")));
  EXPECT_EQ(s9["controls"]["pad_slots"], (nlohmann::json{1, 0}));
  EXPECT_GT(TPadRun::Turned(s9, s18, "player1ship"), 0) << "the stick turned the ship right";
  EXPECT_DOUBLE_EQ(TPadRun::Heading(s22, "player1ship"), TPadRun::Heading(s18, "player1ship"))
      << "a push inside the dead zone turns nothing";
  EXPECT_EQ(TPadRun::Ship(s30, "player1ship")["ai"], true);
  EXPECT_EQ(TPadRun::Ship(s31, "player1ship")["ai"], false);

  // Pulled out: the battle stands still, says why, and Escape still opens the options.
  const auto s40 = run.State(40), s52 = run.State(52), s62 = run.State(62);
  EXPECT_EQ(s40["battle"]["paused"], PadNotice);
  EXPECT_EQ(s40["controls"]["pads"], nlohmann::json::array());
  EXPECT_EQ(s52["game_state"], 6);
  EXPECT_EQ(s52["battle"]["paused"], PadNotice);
  EXPECT_EQ(s52["battle"]["tick"], s40["battle"]["tick"]);
  EXPECT_EQ(s52["battle"]["state_hash"], s40["battle"]["state_hash"]) << "nothing of the battle moved";
  // A pad back, the options left: the battle goes on.
  EXPECT_EQ(s62["game_state"], 5);
  EXPECT_EQ(s62["battle"]["paused"], nullptr);
  EXPECT_GT(s62["battle"]["tick"].get<long long>(), s40["battle"]["tick"].get<long long>());
  EXPECT_EQ(s62["controls"]["pads"].size(), 1u);
}

TEST(PadBattle, TwoPadsFlyBothPilotsAndTheirBattlePlaysBackFromItsReplay) {
  const std::string config = "[PLAYER1]\nCON_TYPE=1\n[PLAYER2]\nCON_TYPE=2\n";
  const std::string script =
      "1 pad 2 plug\n"  // plugged in while the game runs: the first pilot without a pad takes it
      "1 pad 1 plug\n"  // and the next pilot the next
      "2 key 32\n"
      "2 pad 2 x down\n"
      "2 pad 1 x down\n"
      "3 pad 2 x up\n"
      "3 pad 1 x up\n"
      "4 state\n"
      "5 pad 2 leftx -32768\n"  // pilot 1 turns left by the stick
      "5 pad 1 dpright down\n"  // pilot 2 turns right by the d-pad
      "12 pad 2 leftx 0\n"
      "12 pad 1 dpright up\n"
      "12 state\n"
      "13 pad 1 triggerright 32767\n"  // pilot 2 fires weapon 1 by the trigger
      "13 pad 2 a down\n"              // pilot 1 by A
      "13 pad 1 b down\n"              // and pilot 2 weapon 2 by B, both held on
      "40 state\n";
  TPadRun run(config, script, 40, "--record " + std::string("@REPLAY@"));
  ASSERT_EQ(run.Code, 0) << run.Output;
  const auto s4 = run.State(4), s12 = run.State(12), s40 = run.State(40);
  EXPECT_EQ(s12["controls"]["pads"], nlohmann::json::parse(R"([{"slot":1,"name":"Virtual pad 2","pilot":1,"mapped":true},
                                                                {"slot":2,"name":"Virtual pad 1","pilot":2,"mapped":true}])"));
  EXPECT_EQ(s4["battle"]["lock1"], false);
  EXPECT_EQ(s4["battle"]["lock2"], false);
  EXPECT_LT(TPadRun::Turned(s4, s12, "player1ship"), 0) << "pilot 1 turned left";
  EXPECT_GT(TPadRun::Turned(s4, s12, "player2ship"), 0) << "pilot 2 turned right";
  EXPECT_GE(TPadRun::Shots(s40, "player1ship"), 1);
  EXPECT_GE(TPadRun::Shots(s40, "player2ship"), 1);

  // The replay holds the commands as the battle took them, pads or keys alike.
  TGameRootCopy again;
  const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + again.Path + " --replay " + run.Root.Path +
                          "fight.adf > " + again.Path + "out.txt 2>&1";
  const int rc = std::system(cmd.c_str());
  const std::string out = TPadRun::Slurp(again.Path + "out.txt");
  EXPECT_EQ(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, 0) << out;
  long ticks = -1, hashes = -1, matched = -1;
  const size_t at = out.find("replay: ticks=");
  ASSERT_NE(at, std::string::npos) << out;
  ASSERT_EQ(std::sscanf(out.c_str() + at, "replay: ticks=%ld hashes=%ld matched=%ld", &ticks, &hashes, &matched), 3);
  EXPECT_EQ(ticks, s40["battle"]["tick"].get<long>());
  EXPECT_GE(hashes, 2);
  EXPECT_EQ(matched, hashes);
}

TEST(PadBattle, PadsComingAndGoingAtOddMomentsBreakNothing) {
  TPadRun run("[PLAYER1]\nCON_TYPE=1\n",
              "1 pad 2 unplug\n"  // never plugged in
              "1 pad 1 a down\n"  // a pad that is not there
              "1 pad 1 plug\n"
              "1 pad 1 plug\n"    // twice
              "2 pad 1 unplug\n"  // on the pre-battle screen
              "2 state\n"
              "3 key 32\n"  // the fight starts, and waits for the pad
              "5 state\n"
              "6 pad 1 plug\n"  // in, out and in again inside one tick
              "6 pad 1 unplug\n"
              "6 pad 1 plug\n"
              "8 state\n"
              "9 pad 1 a down\n"  // weapon 1 held as the pad goes
              "9 pad 1 unplug\n"
              "12 state\n"
              "13 pad 1 plug\n"
              "14 state\n"
              "15 pad 1 start down\n"  // Start opens the options
              "15 pad 1 start up\n"
              "16 pad 1 unplug\n"  // and the pad goes while they open
              "22 state\n",
              22);
  ASSERT_EQ(run.Code, 0) << run.Output;
  const auto s2 = run.State(2), s5 = run.State(5), s8 = run.State(8), s12 = run.State(12), s14 = run.State(14),
             s22 = run.State(22);
  EXPECT_EQ(s2["battle"]["phase"], 0);
  EXPECT_EQ(s2["battle"]["paused"], PadNotice) << "the pre-battle screen says it too";
  EXPECT_EQ(s5["battle"]["phase"], 1);
  EXPECT_EQ(s5["battle"]["paused"], PadNotice);
  EXPECT_EQ(s5["battle"]["tick"], 0);
  EXPECT_EQ(s8["battle"]["paused"], nullptr);
  EXPECT_EQ(s8["battle"]["tick"], 3) << "ticks 6 to 8 were fought";
  EXPECT_EQ(s12["battle"]["paused"], PadNotice);
  EXPECT_EQ(s12["battle"]["tick"], 3);
  EXPECT_EQ(s14["battle"]["tick"], 5);
  EXPECT_EQ(TPadRun::Shots(s14, "player1ship"), 0) << "the A held as the pad went out fires nothing";
  EXPECT_EQ(s22["game_state"], 6);
  EXPECT_EQ(s22["battle"]["paused"], PadNotice);
  EXPECT_EQ(s22["errors"], nlohmann::json::array());

  // A pad line the runner cannot read stops it before the game starts.
  TPadRun bad("", "1 pad 3 plug\n", 2);
  EXPECT_EQ(bad.Code, 2);
  TPadRun badAxis("", "1 pad 1 leftx 40000\n", 2);
  EXPECT_EQ(badAxis.Code, 2);
}

TEST(PadBattle, TheStickSettingsAreHeldToTheirRangesSetOnTheOptionsScreenAndKept) {
  TPadRun run("[MISC]\nPAD_DEADZONE=400\nPAD_SENSITIVITY=20\n",
              "1 state\n"
              "2 key 27\n"          // the options screen
              "9 click 718 340\n"   // dead zone one step down
              "10 click 639 367\n"  // sensitivity back to its default
              "11 click 770 367\n"  // and one step up
              "11 state\n",
              11);
  ASSERT_EQ(run.Code, 0) << run.Output;
  const auto s1 = run.State(1), s11 = run.State(11);
  EXPECT_EQ(s1["pad_deadzone"], 90);
  EXPECT_EQ(s1["pad_sensitivity"], 50);
  EXPECT_EQ(s11["game_state"], 6);
  EXPECT_EQ(s11["pad_deadzone"], 85);
  EXPECT_EQ(s11["pad_sensitivity"], 110);
  const std::string written = TPadRun::Slurp(run.Root.Path + "config.ini");
  EXPECT_NE(written.find("PAD_DEADZONE=85\n"), std::string::npos) << written;
  EXPECT_NE(written.find("PAD_SENSITIVITY=110\n"), std::string::npos) << written;
}
