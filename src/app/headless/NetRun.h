#pragma once
// The runner's network duel: frame ticks until the battle has fought the ticks asked for in
// lockstep, ends, or the duel fails, with the script counted in battle ticks.
#include <functional>

#include "app/headless/Runner.h"

namespace sw {

class TfmMain;

// `frame(limit, n)` applies the script's events up to battle tick `limit` and runs frame tick n.
// The exit code: 0 when the battle fought its ticks (or ended with a result), else 1.
int RunNetworked(TfmMain& main, const TRunOptions& o, const std::function<void(long long, long long)>& frame);
// Prints the duel's figures on one line, says goodbye and waits (a few seconds at most) until
// the other game has everything this one sent.
void FinishNetworked(TfmMain& main);

}  // namespace sw
