#pragma once
// The network duel's tests: a battle both games can fight, and one runner process of a duel in
// a game root of its own.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "GameRootCopy.h"

extern char** environ;

namespace nettest {

// A duel that lasts: both flagships flown by people, a computer-flown escort on each side, a
// planet and asteroids; hulls raised so nobody dies before the run ends.
inline const char* const DuelBattle = R"([MISC]
ASTEROIDS=5
PLANET_NAME=verdant
PLANET_X=400
PLANET_Y=300
PLANET_GRAV_FORCE=14
TOTAL_SHIPS=4

[SHIP1]
SIDE=1
DESIG=player1ship
RACE=TFG
CLASS=TFG_Lancer
XPOS=120
YPOS=120
ANGLE=135
AI=0
DAMAGE=400

[SHIP2]
SIDE=2
DESIG=player2ship
RACE=ZHA
CLASS=ZHA_Raider
XPOS=680
YPOS=480
ANGLE=315
AI=0
DAMAGE=400

[SHIP3]
SIDE=1
DESIG=ship3
RACE=DRN
CLASS=DRN_Anvil
XPOS=160
YPOS=480
ANGLE=45
AI=1
DAMAGE=400

[SHIP4]
SIDE=2
DESIG=ship4
RACE=VSK
CLASS=VSK_Maw
XPOS=640
YPOS=120
ANGLE=225
AI=1
DAMAGE=400
)";

// The host turns, thrusts and fires weapon 1; the joiner turns the other way and fires both.
inline const char* const HostScript = "5 down 38\n60 up 38\n70 down 37\n100 up 37\n120 down 49\n400 up 49\n900 key 65\n";
inline const char* const JoinScript = "10 down 39\n200 up 39\n210 down 38\n300 up 38\n350 down 49\n900 up 49\n1000 down 50\n1100 up 50\n";

// Ports of their own for each test process (k from 0 to 11), so tests running side by side
// never meet.
inline int TestPort(int k) { return 21000 + static_cast<int>(getpid() % 1500) * 12 + k; }

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// One runner process of the duel, in its own game root.
struct TSide {
  TGameRootCopy Root;
  pid_t Pid = -1;
  int Code = -1;
  void Start(const std::string& args) {
    WriteText(Root.Path + "duel.adf", DuelBattle);
    const std::string cmd = std::string("exec ") + STARWAKE_HEADLESS + " --root " + Root.Path + " " + args +
                            " --state-json " + Root.Path + "state.json > " + Root.Path + "out.txt 2>&1";
    const char* argv[] = {"/bin/sh", "-c", cmd.c_str(), nullptr};
    ASSERT_EQ(posix_spawn(&Pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
  }
  // Waits for the process; its exit code, or -1 when it was killed or never started.
  int Wait() {
    if (Pid < 0) return -1;
    int status = 0;
    waitpid(Pid, &status, 0);
    Pid = -1;
    Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return Code;
  }
  void Kill() {
    if (Pid > 0) kill(Pid, SIGKILL);
    Wait();
  }
  ~TSide() { Kill(); }
  nlohmann::json State() {
    std::ifstream in(Root.Path + "state.json");
    return nlohmann::json::parse(in, nullptr, false);
  }
  std::string Output() { return ReadText(Root.Path + "out.txt"); }
};

}  // namespace nettest
