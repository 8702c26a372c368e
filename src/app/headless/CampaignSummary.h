#pragma once
// The runner's summary of the running campaign: the world, the clock, the selections, the
// story lists and the buttons a click can reach now.
#include <nlohmann/json.hpp>

#include "campaign/GameMain.h"

namespace sw {

class TfmMain;

nlohmann::json CampaignSummary(const TfmMain& main, const TGameMain& game);

}  // namespace sw
