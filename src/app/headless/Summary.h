#pragma once
// The JSON summary the headless runner writes after its last tick.
#include <nlohmann/json.hpp>

namespace sw {

class TfmMain;
class THeadlessAudio;

nlohmann::json MakeSummary(const TfmMain& main, THeadlessAudio& audio);

}  // namespace sw
