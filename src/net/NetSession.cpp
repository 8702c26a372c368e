#include "net/NetSession.h"

#include <algorithm>
#include <charconv>

namespace sw {

namespace {

constexpr uint64_t PingEveryMs = 250;
// The host takes its player and, to refuse them politely, up to three more callers at a time.
constexpr int HostConnections = 4;

std::string VersionMessage(const std::string& version) {
  return "The other player's game is a different version (" + (version.empty() ? std::string("?") : version) + ")";
}
const char* const DataMessage = "The other player's game has different ship data";

}  // namespace

TNetSession::TNetSession(TNetRole role, const TNetIdentity& me, ICommandSource* local)
    : Role(role), State(role == NetHostRole ? TNetState::Listening : TNetState::Connecting), Me(me), Local(local) {}

bool TNetSession::ParseAddress(const std::string& text, std::string& host, uint16_t& port) {
  std::string t = text;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.erase(t.begin());
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
  port = NetDefaultPort;
  const size_t colon = t.rfind(':');
  if (colon != std::string::npos) {
    const std::string p = t.substr(colon + 1);
    unsigned value = 0;
    auto [end, ec] = std::from_chars(p.data(), p.data() + p.size(), value);
    if (p.empty() || ec != std::errc() || end != p.data() + p.size() || value < 1 || value > 65535) return false;
    port = static_cast<uint16_t>(value);
    t = t.substr(0, colon);
  }
  host = t;
  return !host.empty() && host.find(' ') == std::string::npos;
}

std::unique_ptr<TNetSession> TNetSession::Host(uint16_t port, const TNetIdentity& me, ICommandSource* local,
                                               const TNetImpairment& impairment, std::string& error) {
  std::unique_ptr<TNetSession> s(new TNetSession(NetHostRole, me, local));
  s->Transport.Impairment = impairment;
  s->Port = port;
  if (port == 0 || !s->Transport.Listen(port, HostConnections)) {
    error = port == 0 ? "The port must be 1 to 65535" : s->Transport.Error;
    return nullptr;
  }
  return s;
}

std::unique_ptr<TNetSession> TNetSession::Join(const std::string& address, const TNetIdentity& me,
                                               ICommandSource* local, const TNetImpairment& impairment,
                                               std::string& error) {
  std::string host;
  uint16_t port = 0;
  if (!ParseAddress(address, host, port)) {
    error = "\"" + address + "\" is not an address: type HOST or HOST:PORT";
    return nullptr;
  }
  std::unique_ptr<TNetSession> s(new TNetSession(NetJoinRole, me, local));
  s->Transport.Impairment = impairment;
  s->Port = port;
  s->PeerAddress = host + ":" + std::to_string(port);
  if (!s->Transport.Connect(host, port)) {
    error = s->Transport.Error;
    return nullptr;
  }
  s->LastHeardMs = TNetTransport::NowMs();
  return s;
}

void TNetSession::Send(const TNetMessage& m) {
  if (Player) Transport.Send(Player, 0, EncodeNetMessage(m));
}

void TNetSession::End(const std::string& message) {
  if (EndMessage.empty()) EndMessage = message;
  PeerGone = true;
  State = TNetState::Ended;
}

void TNetSession::Refuse(TNetReason reason, const std::string& message) {
  TNetMessage m;
  m.Kind = nkRefuse;
  m.Bits = reason;
  m.Text = Me.Version;
  Send(m);
  if (Player) Transport.Disconnect(Player);
  if (Role == NetHostRole) {
    // The host goes on waiting, saying why the last caller was sent away: the next one may
    // have the right game.
    Player = 0;
    State = TNetState::Listening;
    EndMessage = message;
    PeerAddress.clear();
    return;
  }
  End(message);
}

void TNetSession::Leave(TNetReason reason) {
  if (Player && State != TNetState::Ended) {
    TNetMessage m;
    m.Kind = nkBye;
    m.Bits = reason;
    // Games that went apart say where: the first tick whose hashes differed.
    const int64_t tick = !Steps ? 0 : reason == nrOutOfSync && Steps->OutOfSyncTick ? Steps->OutOfSyncTick : Steps->Tick;
    m.Tick = static_cast<uint32_t>(tick);
    Send(m);
  }
  if (Player) Transport.Disconnect(Player);
  Flush();
  State = TNetState::Ended;
}

void TNetSession::PlayerGone(bool timedOut) {
  Player = 0;
  if (State == TNetState::Ended) return;
  if (Role == NetJoinRole && (State == TNetState::Connecting || State == TNetState::Handshake)) {
    End("Nobody answers at " + PeerAddress);
    return;
  }
  // A host between battles waits for the next player.
  if (Role == NetHostRole && !Steps && State != TNetState::Playing) {
    if (State == TNetState::Connected) EndMessage = "The other player left";
    State = TNetState::Listening;
    PeerVersion.clear();
    PeerAddress.clear();
    return;
  }
  End(timedOut ? "Connection lost" : "The other player left");
}

void TNetSession::Bad(uint32_t peer) {
  ++Dropped;
  if (peer != Player) return;
  // Before it said hello, a caller that sends anything else is no game of ours.
  if (State == TNetState::Handshake && Role == NetHostRole) {
    Transport.DisconnectNow(peer);
    Player = 0;
    State = TNetState::Listening;
    return;
  }
  if (++BadFromPlayer >= NetBadDataLimit) {
    TNetMessage m;
    m.Kind = nkBye;
    m.Bits = nrBadData;
    Send(m);
    Transport.Disconnect(Player);
    End("The other player's game sent data that is not part of a duel");
  }
}

void TNetSession::Service() {
  Transport.Service();
  const uint64_t now = TNetTransport::NowMs();
  TNetEvent e;
  while (Transport.Poll(e)) {
    switch (e.Kind) {
      case TNetEvent::Connected:
        if (Player != 0 || State == TNetState::Ended) {
          // One player a battle: anyone else is told so and let go.
          TNetMessage m;
          m.Kind = nkRefuse;
          m.Bits = nrFull;
          m.Text = Me.Version;
          Transport.Send(e.Peer, 0, EncodeNetMessage(m));
          Transport.Disconnect(e.Peer);
          break;
        }
        Player = e.Peer;
        PeerAddress = Transport.PeerAddress(e.Peer);
        BadFromPlayer = 0;
        State = TNetState::Handshake;
        LastHeardMs = now;
        {
          TNetMessage hello;
          hello.Kind = nkHello;
          hello.Text = Me.Version;
          hello.Number = Me.DataHash;
          Send(hello);
        }
        break;
      case TNetEvent::Disconnected:
        if (e.Peer == Player) PlayerGone(e.TimedOut);
        break;
      case TNetEvent::Received: {
        TNetMessage m;
        if (e.Peer != Player || !DecodeNetMessage(e.Data.data(), e.Data.size(), m)) {
          Bad(e.Peer);
          break;
        }
        LastHeardMs = now;
        Handle(e.Peer, m);
        break;
      }
    }
  }
  if (Player && State != TNetState::Ended) {
    if (now - LastHeardMs > NetSilenceLimitMs) {
      Transport.DisconnectNow(Player);
      Player = 0;
      End("Connection lost");
      return;
    }
    if (State != TNetState::Handshake && now - LastPingMs >= PingEveryMs) {
      LastPingMs = now;
      TNetMessage ping;
      ping.Kind = nkPing;
      ping.Tick = static_cast<uint32_t>(now);
      Send(ping);
    }
  } else if (State == TNetState::Connecting && now - LastHeardMs > NetSilenceLimitMs) {
    End("Nobody answers at " + PeerAddress);
  }
}

void TNetSession::Handle(uint32_t peer, const TNetMessage& m) {
  if (State == TNetState::Handshake) {
    if (m.Kind == nkRefuse) {
      End(m.Bits == nrFull ? "The other game already has its player" : m.Bits == nrData ? DataMessage : VersionMessage(m.Text));
      return;
    }
    if (m.Kind != nkHello) {
      Bad(peer);
      return;
    }
    PeerVersion = m.Text;
    if (m.Text != Me.Version) {
      Refuse(nrVersion, VersionMessage(m.Text));
    } else if (m.Number != Me.DataHash) {
      Refuse(nrData, DataMessage);
    } else {
      State = TNetState::Connected;
      EndMessage.clear();
    }
    return;
  }
  if (State == TNetState::Ended) return;
  switch (m.Kind) {
    case nkPing: {
      TNetMessage pong;
      pong.Kind = nkPong;
      pong.Tick = m.Tick;
      Send(pong);
      return;
    }
    case nkPong: {
      const uint32_t sample = static_cast<uint32_t>(TNetTransport::NowMs()) - m.Tick;
      if (sample > 60000) {
        Bad(peer);
        return;
      }
      RoundTripMs = RoundTrips == 0 ? sample : RoundTripMs + (sample - RoundTripMs) / 8;
      ++RoundTrips;
      if (Steps && FixedDelay == 0 && RoundTrips >= 3) Steps->RaiseDelay(NetDelayFor(RoundTripMs, IntervalMs));
      return;
    }
    case nkBattle:
      if (Role != NetJoinRole || Steps || State != TNetState::Connected || m.Interval == 0 || m.Delay < 1 ||
          m.Delay > NetMaxDelay) {
        Bad(peer);
        return;
      }
      Arrived = {m.Number, m.Interval, m.Delay, m.Text};
      HaveBattle = true;
      IntervalMs = m.Interval;
      Steps = std::make_unique<TLockstep>(2, Local, m.Delay);
      if (FixedDelay > 0) Steps->RaiseDelay(FixedDelay);
      State = TNetState::Playing;
      return;
    case nkCommands:
      if (!Steps) {
        // Stragglers of a battle both games have finished are no fault.
        if (!FoughtOnce) Bad(peer);
        return;
      }
      if (!Steps->PeerCommands(m.Tick, m.Bits)) Bad(peer);
      return;
    case nkHash:
      if (!Steps) {
        if (!FoughtOnce) Bad(peer);
        return;
      }
      if (!Steps->PeerHash(m.Tick, m.Number)) Bad(peer);
      return;
    case nkBye:
      Transport.Disconnect(peer);
      Player = 0;
      if (m.Bits == nrOutOfSync) {
        // Our own comparison may not have come to that tick yet: the other game's word counts.
        PeerOutOfSyncTick = Steps && Steps->OutOfSyncTick ? Steps->OutOfSyncTick : std::max<int64_t>(m.Tick, 1);
        End("Out of sync at tick " + std::to_string(PeerOutOfSyncTick));
      }
      else if (m.Bits == nrBadData) End("The other player's game found our data wrong");
      else if (Role == NetHostRole && !Steps) PlayerGone(false);
      else End("The other player left");
      return;
    case nkRefuse:
      End(m.Bits == nrData ? DataMessage : VersionMessage(m.Text));
      return;
    default:
      Bad(peer);
      return;
  }
}

void TNetSession::Flush() {
  if (Steps && Player) {
    TNetMessage m;
    m.Kind = nkCommands;
    for (const auto& [tick, bits] : Steps->CommandsOut) {
      m.Tick = static_cast<uint32_t>(tick);
      m.Bits = bits;
      Send(m);
    }
    m.Kind = nkHash;
    for (const auto& [tick, hash] : Steps->HashesOut) {
      m.Tick = static_cast<uint32_t>(tick);
      m.Number = hash;
      Send(m);
    }
  }
  if (Steps) {
    Steps->CommandsOut.clear();
    Steps->HashesOut.clear();
  }
  Transport.Flush();
}

bool TNetSession::LaunchBattle(const TNetBattle& battle) {
  if (Role != NetHostRole || !Player || State != TNetState::Connected) return false;
  TNetMessage m;
  m.Kind = nkBattle;
  m.Number = battle.Seed;
  m.Interval = static_cast<uint16_t>(battle.Interval);
  m.Delay = static_cast<uint8_t>(battle.Delay);
  m.Text = battle.Text;
  Send(m);
  IntervalMs = battle.Interval;
  Steps = std::make_unique<TLockstep>(1, Local, battle.Delay);
  if (FixedDelay > 0) Steps->RaiseDelay(FixedDelay);
  State = TNetState::Playing;
  Transport.Flush();
  return true;
}

bool TNetSession::TakeBattle(TNetBattle& out) {
  if (!HaveBattle) return false;
  HaveBattle = false;
  out = Arrived;
  return true;
}

void TNetSession::FinishBattle() {
  Flush();
  Steps.reset();
  FoughtOnce = true;
  if (State == TNetState::Playing) State = Player ? TNetState::Connected : TNetState::Ended;
}

std::string TNetSession::StateName() const {
  switch (State) {
    case TNetState::Listening: return "listening";
    case TNetState::Connecting: return "connecting";
    case TNetState::Handshake: return "handshake";
    case TNetState::Connected: return "connected";
    case TNetState::Playing: return "playing";
    case TNetState::Ended: return "ended";
  }
  return "ended";
}

std::string TNetSession::StatusLine() const {
  switch (State) {
    case TNetState::Listening:
      return (EndMessage.empty() ? "" : EndMessage + ". ") + "Waiting for a player on port " + std::to_string(Port);
    case TNetState::Connecting: return "Calling " + PeerAddress + "…";
    case TNetState::Handshake: return "Comparing games with " + PeerAddress + "…";
    case TNetState::Connected:
      return Role == NetHostRole ? "Connected to " + PeerAddress + ": set up the battle and press Fight!"
                                 : "Connected to " + PeerAddress + ": waiting for the host to launch the battle";
    case TNetState::Playing: return "In battle with " + PeerAddress;
    case TNetState::Ended: return EndMessage.empty() ? "Not connected" : EndMessage;
  }
  return "";
}

}  // namespace sw
