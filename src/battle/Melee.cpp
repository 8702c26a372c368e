#include "battle/Melee.h"

#include <chrono>
#include <cmath>

#include "battle/BattleFile.h"
#include "battle/BattleMusic.h"
#include "battle/Collisions.h"
#include "battle/Motion.h"
#include "battle/Outcome.h"
#include "battle/StateHash.h"
#include "battle/Targeting.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "media/Controls.h"
#include "media/Drawing.h"
#include "media/ImageList.h"
#include "media/Input.h"
#include "media/WaveList.h"
#include "weapons/Cloaks.h"
#include "weapons/Damage.h"
#include "weapons/Weapon.h"

namespace sw {

namespace {
const char* const Player1 = "player1ship";
const char* const Player2 = "player2ship";

// Whom the computer flies this frame: its ships fit to take orders, and its guided shots once
// they are armed, while they still fly (not detonating, not spent). A wreck in its explosion is
// a weapon object too, but a derelict one, and nobody flies it.
bool TakesComputerOrders(const TGameObject& o) {
  if (!o.AIDriven || o.Removed || o.Derelict || o.Age < o.Activation) return false;
  if (o.Kind == KIND_SHIP) return o.StunFrames == 0;
  return o.Kind == KIND_WEAPON && !o.Dying && !o.RemoveMe && o.Age <= o.LifeSpan;
}
}  // namespace

TMelee::TMelee(const TBattleEnvironment& env, const std::string& battleFile)
    : Env(env), Local(env.Input, &PadSlot1, &PadSlot2) {
  TwoPilots = false;
  WinningSide = 0;
  View = TArenaView{};
  ExplosionsRunning = 0;
  Sizes = ImageSizesOf(*Env.Images);
  // The shared generator is seeded as at every battle's start (the fixed seed, or the clock),
  // and the battle's own generator takes the same seed.
  if (Env.Seed) {
    RandSeed(*Env.Seed);
    Seed = *Env.Seed;
  } else {
    Seed = Randomize();
  }
  Rng.Seed(Seed);
  const bool music = !BattleMusicTracks(Env.Folders.Music).empty();
  ChooseMusic();
  CreateStars(Stars);
  // The music choice and the star field used to draw from the battle's numbers ahead of the
  // set-up, one number for the music and three a star; they are skipped, so that a seed lays
  // out and fights the same battle it always did.
  Rng.Discard((music ? 1 : 0) + 3 * STAR_COUNT);
  if (!ReadWholeFile(ResolvePath(battleFile), BattleText)) BattleText.clear();
  TBattleSetup setup = ReadBattleFile(battleFile, &Warnings);
  RequireFlagships(setup, battleFile);
  TRoster roster;
  roster.Folders = Env.Folders;
  roster.Objects = &Objects;
  roster.Images = Env.Images;
  roster.Battle = this;
  roster.Warnings = &Warnings;
  {
    TBattleRandomScope dice(Rng);
    BuildBattle(setup, roster);
  }
  RaceName1 = roster.RaceName[1];
  RaceName2 = roster.RaceName[2];
  // The second choice replaces the first.
  ChooseMusic();
  Rng.Discard(music ? 1 : 0);
  PromptColour = 0xFFFFFF;
  PromptCounter = 51;
  Lock1 = Lock2 = true;
  Salvage = 0;
}

TMelee::~TMelee() {
  // Weapon objects hold handlers bound to the ships' weapons: drop them before the ships go.
  for (int i = Objects.Count() - 1; i >= 0; --i)
    if (Objects.At(i)->Kind == KIND_WEAPON) Objects.Delete(i);
}

void TMelee::ChooseMusic() {
  MusicTrack = ChooseBattleMusic(Env.Folders.Music);
  if (!Env.Waves) return;
  if (MusicTrack.empty()) {
    // A battle without music: nothing of an earlier battle's track may play.
    if (Env.Waves->IndexOf("MeleeMusic") >= 0) Env.Waves->Find("MeleeMusic").Stop();
    return;
  }
  Env.Waves->LoadWave("MeleeMusic", Env.Folders.Music + MusicTrack + ".wav", true).SetVolume(Env.MusicVolume);
}

TImageSize TMelee::Displayed(const TGameObject& o) {
  return {DisplayedWidth(o, Sizes, View.ImageDivisor), DisplayedHeight(o, Sizes, View.ImageDivisor)};
}

// ---- the battle as the weapons see it ----

TGameObject& TMelee::AddObject(const std::string& key, std::unique_ptr<TGameObject> object) {
  return *Objects.Add(key, std::move(object));
}

TGameObject* TMelee::NearestEnemy(const TGameObject& from, bool allowCloaked, bool shipsOnly) {
  return sw::NearestEnemy(Objects, from, allowCloaked, shipsOnly);
}

double TMelee::Bearing(const TGameObject& from, const TGameObject& to) { return sw::Bearing(from, to); }

double TMelee::Distance(const TGameObject& a, const TGameObject& b) { return ObjectDistance(a, b); }

int TMelee::DisplayWidth(const TGameObject& object) { return DisplayedWidth(object, Sizes, View.ImageDivisor); }

int TMelee::DisplayHeight(const TGameObject& object) { return DisplayedHeight(object, Sizes, View.ImageDivisor); }

void TMelee::PlaySound(const std::string& name) {
  if (name.empty() || !Env.Waves) return;
  int i = Env.Waves->IndexOf(name);
  if (i >= 0) Env.Waves->At(i)->Play(false);
}

bool TMelee::HasImage(const std::string& name) const { return Env.Images && Env.Images->Has(name); }

void TMelee::DrawRingWave(double x, double y, TColor color, int step, int size) {
  if (!Env.Surface || !EffectsDrawn) return;
  DrawRings(*Env.Surface, {Round(x) - View.CameraX, Round(y) - View.CameraY}, color, true, step, size);
}

TGameObject* TMelee::AddCraft(const TCraftOrder& c) {
  TRoster roster;
  roster.Folders = Env.Folders;
  roster.Objects = &Objects;
  roster.Images = Env.Images;
  roster.Battle = this;
  roster.Warnings = &Warnings;
  // A carrier whose craft class is not in its ship file launches nothing (said once).
  const std::string shipsFile = ShipDataFile(Env.Folders.Data, c.Prefix, "ships");
  if (!AdfSectionExists(shipsFile, c.Class)) {
    if (UnknownCraft.insert(c.Class).second)
      AddDataWarning(&Warnings, shipsFile, c.Class, "", "craft class \"" + c.Class + "\" does not exist");
    return nullptr;
  }
  TShipOrder order;
  order.Class = c.Class;
  order.Designation = c.Key;
  order.Prefix = c.Prefix;
  order.LoadImages = false;  // the carrier brought the craft's pictures
  order.Activation = c.Activation;
  order.AIDriven = true;
  order.Side = c.Side;
  order.Speed = c.Speed;
  order.Angle = c.Angle;
  order.X = c.X;
  order.Y = c.Y;
  TGameObject& craft = AddShip(roster, order);
  // The pictures were loaded under the craft's class, not under its key.
  craft.ImageName = craft.IconImage = c.Class;
  // A disguise of the craft puts back the picture the craft really has.
  for (TWeapon* w : {craft.Weapon1.get(), craft.Weapon2.get()})
    if (auto* mask = dynamic_cast<TAsteroidMask*>(w)) mask->SavedImage = c.Class;
  craft.Launcher = c.Carrier;
  return &craft;
}

// ---- one update ----

void TMelee::Update() {
  auto start = std::chrono::steady_clock::now();
  // Everything the step decides by chance draws from the battle's own generator.
  TBattleRandomScope dice(Rng);
  // The last step's effects, when no frame was drawn to run them.
  if (FrameEffectsPending) RunFrameEffects(false);
  TGameObject* p1 = Objects.Find(Player1);
  TGameObject* p2 = Objects.Find(Player2);
  TwoPilots = p1 && p2 && !p1->AIDriven && IsAlive(p1) && !p2->AIDriven && IsAlive(p2);
  FocusShip = Opponent = nullptr;
  Tick += 1;
  ICommandSource& commands = Source();
  commands.BeginStep(Tick);
  StepCommands[0] = StepCommands[1] = 0;
  VictoryCheck();
  ChooseFocus();
  if (p1 && IsAlive(p1) && p1->StunFrames == 0) PilotCommands(*p1, 1);
  if (p2 && IsAlive(p2) && p2->StunFrames == 0) PilotCommands(*p2, 2);
  if (ComputerPilot)
    for (int i = 0; i < Objects.Count(); ++i) {
      TGameObject* o = Objects.At(i);
      if (TakesComputerOrders(*o)) ComputerPilot(*this, *o);
    }
  FadeTrails(Trails);
  WeaponObjectPass();
  ObjectPass();
  ApplyGravityAndMove(Objects, View.Zoom);
  CollisionPass();
  UpdateCamera(View, FocusShip, Opponent, Sizes, {Objects, Stars, Trails});
  FrameEffectsPending = true;
  Recorder.Step(Tick, StepCommands[0], StepCommands[1]);
  if (Tick % ReplayHashInterval == 0 || Phase == bpOver) TakeCheckpoint();
  LastUpdateMicros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void TMelee::RunFrameEffects(bool draw) {
  if (!FrameEffectsPending) return;
  FrameEffectsPending = false;
  TBattleRandomScope dice(Rng);
  EffectsDrawn = draw;
  for (int i = 0; i < Objects.Count(); ++i) {
    TGameObject& o = *Objects.At(i);
    if (o.Kind != KIND_SHIP || o.Removed) continue;
    for (TWeapon* w : {o.Weapon1.get(), o.Weapon2.get()})
      if (w && w->HasFrameEffect && w->Active && w->FrameEffect) w->FrameEffect();
  }
  EffectsDrawn = true;
  const int playerSide = PlayerSide();
  for (int i = 0; i < Objects.Count(); ++i) {
    TGameObject& o = *Objects.At(i);
    if (!o.Removed) FrameUpkeep(o, playerSide);
  }
}

void TMelee::ChooseFocus() {
  TGameObject* p1 = Objects.Find(Player1);
  if (TwoPilots) {
    FocusShip = p1;
    Opponent = Objects.Find(Player2);
    return;
  }
  if (IsAlive(p1)) {
    FocusShip = p1;
  } else {
    for (int i = 0; i < Objects.Count() && !FocusShip; ++i) {
      TGameObject* o = Objects.At(i);
      if (o->Kind == KIND_SHIP && o->Side == 1 && IsAlive(o)) FocusShip = o;
    }
  }
  if (FocusShip) Opponent = sw::NearestEnemy(Objects, *FocusShip, true, false);
}

void TMelee::WeaponObjectPass() {
  for (int i = 0; i < Objects.Count(); ++i) {
    TGameObject* o = Objects.At(i);
    if (o->Kind != KIND_WEAPON) continue;
    o->Age += 1;
    if (!o->Dying && o->Age <= o->LifeSpan) continue;
    if (o->RemoveMe) {
      Objects.Delete(i);
      --i;  // the next object takes this index and is handled next
      continue;
    }
    if (o->OnHit) {
      TObjectHitEvent handler = o->OnHit;  // the handler may replace itself
      handler(*o, nullptr);
    }
  }
}

void TMelee::ObjectPass() {
  for (int i = 0; i < Objects.Count(); ++i) {
    TGameObject& o = *Objects.At(i);
    if (o.Removed) continue;
    if (o.BounceAge < 10) o.BounceAge += 1;
    if (o.FreeSpeedFrames > 0) o.FreeSpeedFrames -= 1;
    if (o.DeviceFrames > 0) {
      o.DeviceFrames -= 1;
      if (o.DeviceFrames == 0) {
        o.DeviceOn = false;
        o.ShieldKind = 0;
        o.FireImageFrames = 0;
      }
    }
    if (o.ShieldFlash > 0) o.ShieldFlash -= 1;
    if (o.PendingTurn > 0) {
      o.Heading += o.TurnRate;
      if (o.Heading > 255) o.Heading -= 255;
      o.PendingTurn -= 1;
    } else if (o.PendingTurn < 0) {
      o.Heading -= o.TurnRate;
      if (o.Heading < 0) o.Heading += 255;
      o.PendingTurn += 1;
    }
    if (o.OnFrame) {
      TObjectFrameEvent handler = o.OnFrame;
      handler(o);
    }
    WrapObject(o, Sizes, View);
    LimitSpeed(o, View.Zoom);
    if (o.Kind == KIND_SHIP) ShipUpkeep(o);
  }
}

void TMelee::ShipUpkeep(TGameObject& s) {
  if (s.Starbase) s.Heading += 0.5;
  if (s.Age < s.Activation || s.Age < s.ThrustDelay) s.Age += 1;
  if (s.StunFrames > 0) s.StunFrames -= 1;
  if (s.EvadeFrames > 0) s.EvadeFrames -= 1;
  if (s.FireImageFrames > 0) s.FireImageFrames -= 1;
  if (s.Weapon1) s.Weapon1->ReloadCounter += 1;
  if (s.Weapon2) s.Weapon2->ReloadCounter += 1;
  if (s.DeviceOn && s.Energy == 0) {
    TWeapon* device = s.Weapon1 && s.Weapon1->IsShield ? s.Weapon1.get() : s.Weapon2.get();
    if (device) device->Fire(0);
  }
  if (s.Boarders > 0) {
    if (Random(100) < 2) {
      s.Boarders -= 1;
    } else if (Random(100) > 98) {
      s.Crew -= 1;
    }
    if (s.Crew <= 0 && s.Boarders > 0) {
      // The boarders take the ship: it changes sides and the computer flies it.
      s.Crew = s.Boarders;
      s.Boarders = 0;
      s.Side = s.Side == 1 ? 2 : 1;
      s.AIDriven = true;
    }
  }
  if (s.Organic && s.Structure > 0 && s.Structure < s.MaxStructure) s.Structure += 0.1;
  if (s.Cybernetic) {
    if (s.Structure - 10 * s.Crew > 1 && s.Crew > 0 && s.Structure > 10) {
      s.Structure -= 10;
      s.Crew += 1;
    }
    if (10 * s.Crew - s.Structure > 10 && s.Crew > 1 && s.Structure > 0) {
      s.Crew -= 1;
      s.Structure += 10;
      if (s.Structure > s.MaxStructure) s.Structure = s.MaxStructure;
    }
  }
  if (s.Energy < s.MaxEnergy) s.Energy += s.EnergyRegen;
  if (s.Structure <= 0) {
    s.Kind = KIND_WEAPON;
    s.Crew = 0;
    s.Structure = 0;
    s.Cloaked = false;
    s.OverlayAlpha = 0;
    s.OnHit = [this](TGameObject& wreck, TGameObject*) { Explode(wreck); };
    ExplosionsRunning += 1;
  }
  if (s.Crew < 1) s.Derelict = true;
}

void TMelee::Explode(TGameObject& w) {
  if (!w.Dying) {
    w.ExhaustFrames = 0;
    w.ExplosionFrame = 1;
    w.Dying = true;
    w.VX = w.VY = 0;
    w.Heading = 0;
    PlaySound("explosion1");
  }
  if (w.ExplosionFrame < 13) {
    w.ImageName = "explosion6_" + std::to_string(w.ExplosionFrame);
    w.ExplosionFrame += 1;
    return;
  }
  w.Kind = KIND_SHIP;
  w.LifeSpan = 0;
  w.Age = 0;
  w.Cloaked = false;
  w.OverlayAlpha = 0;
  w.Removed = true;
  w.OnHit = nullptr;
  if (ExplosionsRunning > 0) ExplosionsRunning -= 1;
  Salvage += Round(w.MaxStructure / 100.0 * (10 + Random(70)));
}

void TMelee::CrewLoss(TGameObject& ship, double damage) { ApplyCrewLoss(ship, damage); }

void TMelee::VictoryCheck() {
  int alive[3] = {0, 0, 0};
  for (int i = 0; i < Objects.Count(); ++i) {
    const TGameObject* o = Objects.At(i);
    if (o->Kind == KIND_SHIP && IsAlive(o) && (o->Side == 1 || o->Side == 2)) alive[o->Side] += 1;
  }
  auto stopMusic = [&] {
    if (Env.Waves && Env.Waves->IndexOf("MeleeMusic") >= 0) Env.Waves->Find("MeleeMusic").Stop();
  };
  if (alive[1] == 0 && ExplosionsRunning == 0) {
    WinningSide = 2;
    Phase = bpOver;
    stopMusic();
  }
  if (alive[2] == 0 && ExplosionsRunning == 0) {
    WinningSide = 1;
    Phase = bpOver;
    stopMusic();
  }
}

void TMelee::PilotCommands(TGameObject& ship, int pilot) {
  if (!Env.Input && !Env.Commands) return;
  // The command byte of this pilot for this step: the held controls, and the toggles' presses
  // (they act once per press, however long the key is held).
  ICommandSource& source = Source();
  const uint8_t bits = source.Commands(pilot);
  StepCommands[pilot == 2 ? 1 : 0] = bits;
  auto held = [&](TShipControl c) { return (bits & CommandBit(c)) != 0; };
  auto pressed = held;
  auto consume = [&](TShipControl c) { source.Consume(pilot, c); };
  double step = held(scFine) ? 1.0 : ship.TurnRate;
  bool& lock = pilot == 1 ? Lock1 : Lock2;
  if (pressed(scLock)) {
    lock = !lock;
    consume(scLock);
  }
  if (lock) {
    if (TGameObject* enemy = sw::NearestEnemy(Objects, ship, false, false)) {
      double b = sw::Bearing(ship, *enemy);
      double h = ship.Heading * DEGREES_PER_UNIT;
      double d = std::fabs(b - h);
      if (d > 180) d = 360 - d;
      if (ship.TurnRate >= d) ship.Heading = b / DEGREES_PER_UNIT;
    }
  }
  if (pressed(scAutopilot)) {
    ship.AIDriven = !ship.AIDriven;
    consume(scAutopilot);
  }
  if (ship.AIDriven) return;
  if (held(scTurnRight)) ship.Heading = WrapHeading(ship.Heading + step);
  if (held(scTurnLeft)) ship.Heading = WrapHeading(ship.Heading - step);
  if (held(scThrust)) ApplyThrust(ship, false, ship.Heading, 0, View.Zoom);
  struct TSlot {
    TShipControl Control;
    TWeapon* Weapon;
  };
  const TSlot slots[] = {{scWeapon1, ship.Weapon1.get()}, {scWeapon2, ship.Weapon2.get()}};
  for (const auto& slot : slots) {
    if (!slot.Weapon) continue;
    if (held(slot.Control)) {
      slot.Weapon->Fire(0);
      if (!slot.Weapon->ContinuesWeapon) consume(slot.Control);
    } else if (slot.Weapon->WantsRelease && slot.Weapon->Active) {
      slot.Weapon->Fire(1);
    }
  }
}

void TMelee::CollisionPass() {
  for (int i = 0; i < Objects.Count(); ++i) Objects.At(i)->Bounced = false;
  for (int i = 0; i < Objects.Count(); ++i) {
    TGameObject* a = Objects.At(i);
    if (a->Removed || a->Bounced) continue;
    for (int j = i + 1; j < Objects.Count(); ++j) {
      TGameObject* b = Objects.At(j);
      if (a->Removed || a->Bounced) break;
      if (b->Removed || b->Bounced) continue;
      if (!ObjectsOverlap(*a, *b, Sizes, View)) continue;
      if (a->Kind == KIND_WEAPON && b->Kind == KIND_WEAPON && a->Launcher && a->Launcher == b->Launcher) continue;
      auto ready = [](const TGameObject* o) { return o->Kind != KIND_SHIP || o->Age >= o->Activation; };
      if (!ready(a) || !ready(b)) continue;
      if (a->Kind == KIND_WEAPON && a->Launcher == b && a->Age <= 9) continue;
      if (b->Kind == KIND_WEAPON && b->Launcher == a && b->Age <= 9) continue;
      if (a->Kind == KIND_WEAPON) {
        a->Bounced = b->Bounced = true;
        if (a->OnHit) {
          TObjectHitEvent handler = a->OnHit;
          handler(*a, b);
        }
      } else if (b->Kind == KIND_WEAPON) {
        a->Bounced = b->Bounced = true;
        if (b->OnHit) {
          TObjectHitEvent handler = b->OnHit;
          handler(*b, a);
        }
      } else if (a->BounceAge > 3 && b->BounceAge > 3) {
        BounceObjects(*a, *b, Sizes, View);
      }
    }
  }
}

uint64_t TMelee::StateHash() const {
  TStateHasher h;
  HashObjects(h, Objects);
  HashRandom(h, Rng);
  h.Add(static_cast<uint64_t>(Tick));
  h.Add(uint64_t{Phase} | uint64_t{WinningSide} << 8 | uint64_t{Lock1} << 16 | uint64_t{Lock2} << 17 |
        static_cast<uint64_t>(static_cast<uint32_t>(View.Zoom)) << 32);
  h.Add(static_cast<uint64_t>(static_cast<uint32_t>(ExplosionsRunning)) << 32 | static_cast<uint32_t>(Salvage));
  return h.Value();
}

void TMelee::Checkpoint() {
  if (Tick == 0 || LastCheckpoint == Tick) return;
  RunFrameEffects(false);
  TakeCheckpoint();
}

void TMelee::TakeCheckpoint() {
  if (Tick == 0 || LastCheckpoint == Tick) return;
  LastCheckpoint = Tick;
  const uint64_t hash = StateHash();
  Recorder.Hash(Tick, hash);
  Source().Checkpoint(Tick, hash);
}

TReplay TMelee::MakeReplay(int gameSpeed) const {
  TReplay header;
  header.Version = GameVersion;
  header.Seed = Seed;
  header.GameSpeed = gameSpeed;
  header.Battle = BattleKeysOfText(BattleText);
  return Recorder.Take(header);
}

void TMelee::Abort() {
  // The battle ends here: its last state closes the record.
  Checkpoint();
  WinningSide = 2;
  Phase = bpOver;
  if (Env.Waves && Env.Waves->IndexOf("MeleeMusic") >= 0) Env.Waves->Find("MeleeMusic").Stop();
}

void TMelee::WriteOutcome(const std::string& path) const {
  WriteOutcomeFile(path, CollectOutcome(Objects, WinningSide, Salvage));
}

}  // namespace sw
