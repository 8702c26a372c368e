#include "media/PadStick.h"

#include <algorithm>

namespace sw {

int ClampPadDeadZone(int percent) { return std::clamp(percent, PadDeadZoneMin, PadDeadZoneMax); }

int ClampPadSensitivity(int percent) { return std::clamp(percent, PadSensitivityMin, PadSensitivityMax); }

int PadStickThreshold(int deadZone, int sensitivity) {
  const long long travel = static_cast<long long>(ClampPadDeadZone(deadZone)) * PadAxisTravel;
  const long long threshold = travel / ClampPadSensitivity(sensitivity);
  // Never beyond the widest dead zone at the plain reading: a full push always counts.
  return static_cast<int>(std::min<long long>(threshold, static_cast<long long>(PadDeadZoneMax) * PadAxisTravel / 100));
}

}  // namespace sw
