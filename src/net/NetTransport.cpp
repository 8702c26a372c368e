#include "net/NetTransport.h"

#include <enet/enet.h>

#include <chrono>
#include <cstdio>

namespace sw {

namespace {

// ENet is started with the first transport and stopped with the last.
int TransportsAlive = 0;
// The transport being serviced, for the raw-datagram hook (ENet gives it no user pointer).
thread_local TNetTransport* Servicing = nullptr;

uint32_t PeerNumber(const ENetPeer* peer) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(peer->data));
}

}  // namespace

TNetTransport::TNetTransport() {
  if (TransportsAlive++ == 0) enet_initialize();
}

TNetTransport::~TNetTransport() {
  if (Host) {
    // Whoever is still connected hears nothing more; a transport is only dropped once its
    // goodbyes have been sent (or the game is ending).
    for (auto& [number, peer] : Peers) enet_peer_reset(peer);
    enet_host_destroy(Host);
  }
  if (--TransportsAlive == 0) enet_deinitialize();
}

uint64_t TNetTransport::NowMs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

void TNetTransport::Configure() {
  // Every datagram carries a checksum: stray or random datagrams are thrown away by ENet
  // before they can look like a connection.
  Host->checksum = enet_crc32;
  Host->intercept = &TNetTransport::Intercept;
}

bool TNetTransport::Listen(uint16_t port, int peers) {
  ENetAddress address{};
  address.host = ENET_HOST_ANY;
  address.port = port;
  Host = enet_host_create(&address, static_cast<size_t>(peers), 2, 0, 0);
  if (!Host) {
    Error = "The port " + std::to_string(port) + " cannot be opened (is another game using it?)";
    return false;
  }
  Configure();
  return true;
}

bool TNetTransport::Connect(const std::string& hostName, uint16_t port) {
  ENetAddress address{};
  if (enet_address_set_host(&address, hostName.c_str()) != 0) {
    Error = "The address " + hostName + " is not known";
    return false;
  }
  address.port = port;
  Host = enet_host_create(nullptr, 1, 2, 0, 0);
  if (!Host) {
    Error = "The network cannot be used";
    return false;
  }
  Configure();
  ENetPeer* peer = enet_host_connect(Host, &address, 2, 0);
  if (!peer) {
    Error = "The network cannot be used";
    return false;
  }
  const uint32_t number = NextPeer++;
  peer->data = reinterpret_cast<void*>(static_cast<uintptr_t>(number));
  Peers[number] = peer;
  return true;
}

int TNetTransport::Intercept(_ENetHost*, _ENetEvent*) {
  TNetTransport* self = Servicing;
  if (!self || self->Impairment.DropPercent <= 0) return 0;
  if (self->DropDice.Next(100) >= self->Impairment.DropPercent) return 0;
  ++self->ImpairmentDrops;
  return 1;  // taken: ENet never sees it
}

void TNetTransport::Take(const _ENetEvent& e) {
  TNetEvent out;
  out.DueMs = NowMs() + static_cast<uint64_t>(Impairment.LagMs > 0 ? Impairment.LagMs : 0);
  switch (e.type) {
    case ENET_EVENT_TYPE_CONNECT: {
      uint32_t number = PeerNumber(e.peer);
      if (number == 0) {  // one that called us
        number = NextPeer++;
        e.peer->data = reinterpret_cast<void*>(static_cast<uintptr_t>(number));
        Peers[number] = e.peer;
      }
      // Silence is judged by the game (ten seconds); ENet gives up a little later.
      enet_peer_timeout(e.peer, 32, 10500, 12000);
      out.Kind = TNetEvent::Connected;
      out.Peer = number;
      break;
    }
    case ENET_EVENT_TYPE_RECEIVE:
      out.Kind = TNetEvent::Received;
      out.Peer = PeerNumber(e.peer);
      out.Data.assign(e.packet->data, e.packet->data + e.packet->dataLength);
      enet_packet_destroy(e.packet);
      break;
    case ENET_EVENT_TYPE_DISCONNECT:
      out.Kind = TNetEvent::Disconnected;
      out.Peer = PeerNumber(e.peer);
      // ENet passes the reason code given to the disconnect; 0 is a time-out, ours give 1.
      out.TimedOut = e.data == 0;
      Peers.erase(out.Peer);
      e.peer->data = nullptr;
      break;
    default:
      return;
  }
  if (out.Peer != 0) Queue.push_back(std::move(out));
}

void TNetTransport::Service() {
  if (!Host) return;
  Servicing = this;
  ENetEvent e;
  // Zero time-out: everything already there is taken, nothing is waited for.
  while (enet_host_service(Host, &e, 0) > 0) Take(e);
  Servicing = nullptr;
  // The counters are 32 bits wide; they are carried into 64 before they can wrap.
  if (Host->totalSentData > (1u << 30)) {
    SentCarry += Host->totalSentData;
    Host->totalSentData = 0;
  }
  if (Host->totalReceivedData > (1u << 30)) {
    ReceivedCarry += Host->totalReceivedData;
    Host->totalReceivedData = 0;
  }
}

void TNetTransport::Flush() {
  if (Host) enet_host_flush(Host);
}

bool TNetTransport::Poll(TNetEvent& event) {
  if (Queue.empty() || Queue.front().DueMs > NowMs()) return false;
  event = std::move(Queue.front());
  Queue.pop_front();
  return true;
}

bool TNetTransport::Send(uint32_t peer, uint8_t channel, const std::vector<uint8_t>& bytes, bool reliable) {
  auto it = Peers.find(peer);
  if (it == Peers.end() || !Host) return false;
  ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
  if (!packet) return false;
  if (enet_peer_send(it->second, channel, packet) != 0) {
    enet_packet_destroy(packet);
    return false;
  }
  return true;
}

void TNetTransport::Disconnect(uint32_t peer) {
  auto it = Peers.find(peer);
  if (it != Peers.end()) enet_peer_disconnect_later(it->second, 1);
}

void TNetTransport::DisconnectNow(uint32_t peer) {
  auto it = Peers.find(peer);
  if (it == Peers.end()) return;
  enet_peer_disconnect_now(it->second, 1);
  it->second->data = nullptr;
  Peers.erase(it);
}

std::string TNetTransport::PeerAddress(uint32_t peer) const {
  auto it = Peers.find(peer);
  if (it == Peers.end()) return "";
  char ip[64] = "";
  enet_address_get_host_ip(&it->second->address, ip, sizeof ip);
  return std::string(ip) + ":" + std::to_string(it->second->address.port);
}

uint64_t TNetTransport::BytesSent() const { return SentCarry + (Host ? Host->totalSentData : 0); }
uint64_t TNetTransport::BytesReceived() const { return ReceivedCarry + (Host ? Host->totalReceivedData : 0); }

}  // namespace sw
