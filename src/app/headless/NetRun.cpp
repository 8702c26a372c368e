#include "app/headless/NetRun.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include "shell/fmMain.h"

namespace sw {

int RunNetworked(TfmMain& main, const TRunOptions& o, const std::function<void(long long, long long)>& frame) {
  const uint64_t deadline = TNetTransport::NowMs() + static_cast<uint64_t>(o.NetTimeoutSeconds) * 1000;
  const long long target = o.Ticks;
  long long n = 0;
  bool launched = false, announced = false;
  auto paced = std::chrono::steady_clock::now();
  int code = 1;
  while (!main.Terminated) {
    if (o.HostPort && !launched && main.Net && main.Net->State == TNetState::Connected) {
      launched = main.LaunchNetBattle();
      if (!launched) {
        std::cerr << "starwake-headless: " << main.NetStatus << std::endl;
        break;
      }
    }
    const bool fighting = main.NetBattle && main.Battle;
    if (fighting && !announced) {
      // Said once the two games are in one battle, for whoever watches the run.
      announced = true;
      std::printf("net: fighting %s as side %d\n", main.Net ? main.Net->PeerAddress.c_str() : "",
                  main.Net && main.Net->Role == NetJoinRole ? 2 : 1);
      std::fflush(stdout);
    }
    const long long before = fighting ? main.Battle->Tick : -1;
    if (fighting && before >= target) {
      code = 0;
      break;
    }
    frame(fighting ? before + 1 : 0, ++n);
    const bool fightingNow = main.NetBattle && main.Battle;
    if (fightingNow && main.Battle->Phase == bpOver) {
      code = 0;
      break;
    }
    if (!main.Net || (!fightingNow && main.Net->State == TNetState::Ended)) break;
    if (TNetTransport::NowMs() > deadline) {
      std::cerr << "starwake-headless: the network duel did not finish in " << o.NetTimeoutSeconds << " s" << std::endl;
      break;
    }
    if (o.NetRealTime) {
      // Frame ticks at the game's own interval, as the window runs them.
      paced += std::chrono::milliseconds(main.DXTimer.Interval > 0 ? main.DXTimer.Interval : 30);
      std::this_thread::sleep_until(paced);
    } else if (!fightingNow || main.Battle->Tick == before) {
      // Nothing to fight this frame: the other game is given the processor for a moment.
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
  }
  if (main.NetBattle && main.Battle) main.NoteNetBattle();
  return code;
}

void FinishNetworked(TfmMain& main) {
  if (!main.Net) {
    std::printf("net: %s\n", main.NetStatusLine().c_str());
    return;
  }
  TNetSession& s = *main.Net;
  const double perTick = main.NetTicks ? main.NetMicros / static_cast<double>(main.NetTicks) : 0.0;
  std::printf("net: role=%s state=%s ticks=%lld hash=%016llx delay=%d rtt_ms=%.1f sent_bytes=%llu received_bytes=%llu "
              "dropped=%lld net_us_per_tick=%.2f message=\"%s\"\n",
              s.Role == NetHostRole ? "host" : "join", s.StateName().c_str(), static_cast<long long>(main.NetLast.Ticks),
              static_cast<unsigned long long>(main.NetLast.Hash), main.NetLast.Delay, s.RoundTripMs,
              static_cast<unsigned long long>(s.Transport.BytesSent()),
              static_cast<unsigned long long>(s.Transport.BytesReceived()), static_cast<long long>(s.Dropped), perTick,
              main.NetStatusLine().c_str());
  std::fflush(stdout);
  // The commands this game promised may still be on their way (or to be sent again): the other
  // game gets them before the connection closes.
  s.Leave(nrLeft);
  const uint64_t until = TNetTransport::NowMs() + 4000;
  while (!s.Closed() && TNetTransport::NowMs() < until) {
    s.Transport.Service();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace sw
