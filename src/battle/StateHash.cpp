#include "battle/StateHash.h"

#include <cstring>

#include "battle/GameObject.h"
#include "core/Random.h"
#include "weapons/Weapon.h"

namespace sw {

void TStateHasher::Add(double v) {
  uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  Add(bits);
}

namespace {
void HashWeaponState(TStateHasher& h, const TWeapon* w) {
  if (!w) {
    h.Add(uint64_t{0});
    return;
  }
  h.Add(static_cast<uint64_t>(static_cast<uint32_t>(w->ReloadCounter)) << 1 | (w->Active ? 1u : 0u));
}
}  // namespace

void HashObjects(TStateHasher& h, const TObjectList& objects) {
  const int count = objects.Count();
  h.Add(static_cast<uint64_t>(count));
  for (int i = 0; i < count; ++i) {
    const TGameObject& o = *objects.At(i);
    // Small fields packed together: the hash is taken often, so fewer words cost less.
    h.Add(uint64_t{o.Kind} | uint64_t{o.Side} << 8 | uint64_t{o.PilotMode} << 16 | uint64_t{o.ShieldKind} << 24 |
          uint64_t{o.AIDriven} << 32 | uint64_t{o.Removed} << 33 | uint64_t{o.Derelict} << 34 |
          uint64_t{o.Dying} << 35 | uint64_t{o.RemoveMe} << 36 | uint64_t{o.DeviceOn} << 37 |
          uint64_t{o.Cloaked} << 38 | uint64_t{o.Bounced} << 39);
    h.Add(o.X);
    h.Add(o.Y);
    h.Add(o.VX);
    h.Add(o.VY);
    h.Add(o.Heading);
    h.Add(o.Structure);
    h.Add(o.Crew);
    h.Add(o.Energy);
    auto pair = [](int32_t a, int32_t b) {
      return static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32 | static_cast<uint32_t>(b);
    };
    h.Add(pair(o.Age, o.LifeSpan));
    h.Add(pair(o.StunFrames, o.Boarders));
    h.Add(pair(o.DeviceFrames, o.PendingTurn));
    h.Add(pair(o.EvadeFrames, o.ExplosionFrame));
    h.Add(pair(o.FreeSpeedFrames, o.BounceAge));
    h.Add(pair(o.Spin, o.Activation));
    HashWeaponState(h, o.Weapon1.get());
    HashWeaponState(h, o.Weapon2.get());
  }
}

void HashRandom(TStateHasher& h, const TRandom& random) {
  h.Add(random.SeedValue());
  h.Add(random.Draws());
}

}  // namespace sw
