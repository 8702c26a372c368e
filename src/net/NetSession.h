#pragma once
// One network duel between two games, from the first packet to the last: the host listens and
// takes one player (and politely refuses any other), the joiner calls it; both compare the
// game's version and battle data before anything else; the host sends the battle it launches;
// then the lockstep runs, with pings for the round trip and for knowing the other game is still
// there. Everything happens in Service(), once per frame tick, without waiting.
#include <cstdint>
#include <memory>
#include <string>

#include "net/Lockstep.h"
#include "net/NetMessage.h"
#include "net/NetTransport.h"

namespace sw {

constexpr uint16_t NetDefaultPort = 4520;
// After this long without a word from the other game it is taken as gone.
constexpr uint64_t NetSilenceLimitMs = 10000;
// After this long without a tick to fight, the battle says it is waiting.
constexpr uint64_t NetWaitingNoticeMs = 500;
// A player that sends this many things that are not messages is sent away.
constexpr int NetBadDataLimit = 16;

enum TNetRole : uint8_t { NetHostRole = 1, NetJoinRole = 2 };
enum class TNetState : uint8_t { Listening, Connecting, Handshake, Connected, Playing, Ended };

// What each game tells the other first.
struct TNetIdentity {
  std::string Version;
  uint64_t DataHash = 0;
};

// The battle the host launched, as the joiner receives it.
struct TNetBattle {
  uint64_t Seed = 0;
  int Interval = 30;
  int Delay = NetFirstDelay;
  std::string Text;  // the battle file, byte for byte
};

class TNetSession {
public:
  // Listens on the port; nullptr and `error` when it cannot.
  static std::unique_ptr<TNetSession> Host(uint16_t port, const TNetIdentity& me, ICommandSource* local,
                                           const TNetImpairment& impairment, std::string& error);
  // Calls "HOST[:PORT]" (the port 4520 when none is given); nullptr and `error` when the
  // address is not one.
  static std::unique_ptr<TNetSession> Join(const std::string& address, const TNetIdentity& me, ICommandSource* local,
                                           const TNetImpairment& impairment, std::string& error);
  // Splits "HOST[:PORT]"; false for an empty host or a port that is not 1 .. 65535.
  static bool ParseAddress(const std::string& text, std::string& host, uint16_t& port);

  // Once per frame tick: takes in what arrived, answers, pings, and watches the silence.
  void Service();
  // After the frame tick's step: sends this game's commands and hashes at once.
  void Flush();

  // The host launches: the battle goes to the player and the lockstep starts. False when no
  // player is connected.
  bool LaunchBattle(const TNetBattle& battle);
  // The joiner: the battle the host launched, once (its lockstep has started).
  bool TakeBattle(TNetBattle& out);
  // The battle is over or left: the lockstep stops and the two games stay connected.
  void FinishBattle();
  // Says goodbye with the reason and closes the connection once the goodbye is through.
  void Leave(TNetReason reason);
  // Nothing more is connected: the session may be dropped.
  bool Closed() const { return Transport.PeerCount() == 0; }

  // While a battle is fought (from the launch to FinishBattle).
  TLockstep* Lockstep() { return Steps.get(); }
  const TLockstep* Lockstep() const { return Steps.get(); }
  // Fixes the input delay (tests and measurements): the round trip no longer raises it.
  int FixedDelay = 0;
  // The frame interval of the battle, for the delay the round trip needs.
  int IntervalMs = 30;

  TNetRole Role;
  TNetState State;
  // The other game has gone (left, lost, refused): what the player is told, once.
  bool PeerGone = false;
  std::string EndMessage;
  // The other game found the two battles apart at this tick (0 while it has not).
  int64_t PeerOutOfSyncTick = 0;
  std::string PeerVersion;
  std::string PeerAddress;
  // The smoothed round trip in milliseconds, and how many were measured.
  double RoundTripMs = 0;
  int RoundTrips = 0;
  // Packets that were not accepted: not a message, a kind out of place, a tick out of reach, or
  // from a third machine.
  int64_t Dropped = 0;
  uint16_t Port = 0;
  TNetTransport Transport;

  // One line on where things stand ("Waiting for a player on port 4520", "Connected to …").
  std::string StatusLine() const;
  // "listening", "connecting", "handshake", "connected", "playing" or "ended".
  std::string StateName() const;

private:
  TNetSession(TNetRole role, const TNetIdentity& me, ICommandSource* local);
  void Handle(uint32_t peer, const TNetMessage& m);
  void Bad(uint32_t peer);
  void Send(const TNetMessage& m);
  void Refuse(TNetReason reason, const std::string& message);
  void End(const std::string& message);
  void PlayerGone(bool timedOut);

  TNetIdentity Me;
  ICommandSource* Local;
  uint32_t Player = 0;  // the connection of the other player, 0 for none
  uint64_t LastHeardMs = 0;
  uint64_t LastPingMs = 0;
  int BadFromPlayer = 0;
  bool FoughtOnce = false;
  bool HaveBattle = false;
  TNetBattle Arrived;
  std::unique_ptr<TLockstep> Steps;
};

}  // namespace sw
