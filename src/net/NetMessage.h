#pragma once
// The messages two games exchange in a network duel, and their exact bytes. Every message
// starts with the game's mark, the protocol's version and the message's kind; each kind has
// one size (or, for the texts, a size its own length field gives), and anything else is not a
// message: it is dropped and counted, never acted on.
//
//   Hello     version text, battle data hash         both, first thing after connecting
//   Refuse    why, version text                      the game that will not play
//   Battle    seed, frame interval, first delay, battle file    host to joiner, at the launch
//   Commands  tick, command byte                     every simulated tick, for tick + delay
//   Hash      tick, state hash                       every 30 ticks
//   Ping      time; Pong echoes it                   four times a second: round trip, liveness
//   Bye       why, last tick                         the game leaves the battle or the session
#include <cstdint>
#include <string>
#include <vector>

namespace sw {

constexpr uint8_t NetMark = 0xA7;
constexpr uint8_t NetProtocolVersion = 1;
// Longest version text and battle file a message may carry.
constexpr size_t NetMaxVersion = 31;
constexpr size_t NetMaxBattleText = 256 * 1024;

enum TNetKind : uint8_t {
  nkHello = 1,
  nkRefuse = 2,
  nkBattle = 3,
  nkCommands = 4,
  nkHash = 5,
  nkPing = 6,
  nkPong = 7,
  nkBye = 8,
};

// Why a game refuses the other or leaves.
enum TNetReason : uint8_t {
  nrVersion = 1,   // a different version of the game
  nrData = 2,      // different ship data
  nrFull = 3,      // the host already has its player
  nrLeft = 4,      // the player left the battle
  nrOutOfSync = 5, // the two battles went apart
  nrBadData = 6,   // the other side sent what is not a message
};

struct TNetMessage {
  TNetKind Kind = nkPing;
  std::string Text;        // Hello, Refuse: the version; Battle: the battle file
  uint64_t Number = 0;     // Hello: data hash; Battle: seed; Hash: state hash
  uint32_t Tick = 0;       // Commands, Hash, Bye: a battle tick; Ping, Pong: a time in ms
  uint16_t Interval = 0;   // Battle: the frame interval in milliseconds
  uint8_t Delay = 0;       // Battle: the input delay both start with, in ticks
  uint8_t Bits = 0;        // Commands: the command byte; Refuse, Bye: the reason
};

std::vector<uint8_t> EncodeNetMessage(const TNetMessage& message);
// False, leaving `out` unspecified, for anything that is not exactly a message of this
// protocol: another mark or version, an unknown kind, a wrong size, a text too long.
bool DecodeNetMessage(const uint8_t* data, size_t size, TNetMessage& out);

}  // namespace sw
