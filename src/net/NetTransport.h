#pragma once
// The transport of the network duel: a thin wrapper over ENet (reliable, ordered channels over
// UDP, connection time-outs and resends). Nothing else in the game touches a socket. It is
// serviced once per frame tick with a zero time-out, so it never holds a frame up; what came in
// waits in a queue until the game takes it.
//
// For tests it can make a line worse than it is: received packets are held back a fixed time,
// and a share of the raw datagrams is thrown away before ENet sees them (ENet resends them).
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/Random.h"

struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;

namespace sw {

struct TNetEvent {
  enum TKind : uint8_t { Connected, Received, Disconnected };
  TKind Kind = Received;
  uint32_t Peer = 0;      // the connection's number, from 1
  bool TimedOut = false;  // a disconnection because the other side stopped answering
  std::vector<uint8_t> Data;
  uint64_t DueMs = 0;     // when it may be taken (held back by the test lag)
};

// A worse line, for tests only: every received packet held back LagMs milliseconds, and
// DropPercent of the raw datagrams lost.
struct TNetImpairment {
  int LagMs = 0;
  int DropPercent = 0;
};

class TNetTransport {
public:
  TNetTransport();
  ~TNetTransport();
  TNetTransport(const TNetTransport&) = delete;
  TNetTransport& operator=(const TNetTransport&) = delete;

  // Listens on the port of every local address for up to `peers` connections; false (and
  // Error says why) when the port cannot be had.
  bool Listen(uint16_t port, int peers);
  // Starts connecting to a host name or address; the Connected event follows, or a
  // Disconnected one when nobody answers.
  bool Connect(const std::string& host, uint16_t port);

  // Sends what is queued and takes in what arrived, without waiting.
  void Service();
  // Sends what is queued now, without taking anything in.
  void Flush();
  // The next event that is due, if any.
  bool Poll(TNetEvent& event);

  // Queues a packet for a connection: reliable packets arrive once and in order on their
  // channel. False when the connection is unknown or ENet refused the packet.
  bool Send(uint32_t peer, uint8_t channel, const std::vector<uint8_t>& bytes, bool reliable = true);
  // Closes a connection once what is queued for it has been received; the Disconnected event
  // follows. Now: at once, without a word to the other side.
  void Disconnect(uint32_t peer);
  void DisconnectNow(uint32_t peer);
  bool HasPeer(uint32_t peer) const { return Peers.count(peer) != 0; }
  int PeerCount() const { return static_cast<int>(Peers.size()); }
  // The other side's address as "a.b.c.d:port".
  std::string PeerAddress(uint32_t peer) const;

  // Bytes of UDP payload sent and received so far (ENet's own headers and acknowledgements
  // included, the IP and UDP headers not).
  uint64_t BytesSent() const;
  uint64_t BytesReceived() const;
  // Datagrams thrown away by the test impairment.
  uint64_t ImpairmentDrops = 0;

  TNetImpairment Impairment;
  std::string Error;

  // Milliseconds of a steady clock; every time-out of the network duel is measured on it.
  static uint64_t NowMs();

private:
  static int Intercept(_ENetHost* host, _ENetEvent* event);
  void Take(const _ENetEvent& e);
  void Configure();
  _ENetHost* Host = nullptr;
  std::map<uint32_t, _ENetPeer*> Peers;
  uint32_t NextPeer = 1;
  std::deque<TNetEvent> Queue;
  TRandom DropDice{0x4E45544C4F5353ULL};
  // ENet's sent and received counters are 32 bits; they are moved into these as they grow.
  uint64_t SentCarry = 0, ReceivedCarry = 0;
};

}  // namespace sw
