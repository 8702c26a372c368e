#pragma once
// The game's own command line: `starwake [--replay FILE]`, `starwake --host [PORT]` and
// `starwake --join HOST[:PORT]`. A network duel started there opens on the dogfight set-up with
// the Network panel showing how it goes.
#include <cstdint>
#include <string>
#include <vector>

namespace sw {

struct TGameCommandLine {
  std::string ReplayFile;
  // Host a duel on HostPort (4520 unless a port follows --host).
  bool Host = false;
  uint16_t HostPort = 0;
  // Join the duel at this address ("HOST" or "HOST:PORT").
  std::string JoinAddress;
};

// Reads the arguments after the program's name; false, with one line saying why, for an
// unknown option, a port that is not 1 .. 65535, an address that is none, or options that
// cannot go together.
bool ParseGameCommandLine(const std::vector<std::string>& args, TGameCommandLine& out, std::string& error);

// What the game says of its options when it is given a wrong one.
inline const char* const GameUsage = "starwake [--replay FILE | --host [PORT] | --join HOST[:PORT]]";

}  // namespace sw
