#pragma once
// The battle: its objects, stars and exhaust trails, the phases from the pre-battle screen to the
// result screen, one simulation step per frame, pilots' commands, ship upkeep, collisions,
// explosions with their salvage, victory, and the three battle screens.
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "battle/Arena.h"
#include "battle/BackStar.h"
#include "battle/CommandSource.h"
#include "battle/GameObject.h"
#include "battle/Replay.h"
#include "battle/ShipRoster.h"
#include "battle/Trail.h"
#include "core/Random.h"
#include "weapons/BattleAccess.h"
#include "weapons/DataWarnings.h"

namespace sw {

class TDXImageList;
class TDXWaveList;
class TDXInput;
class TSurface;
class TMelee;

// What a battle needs from the game around it.
struct TBattleEnvironment {
  TGameFolders Folders;
  TDXImageList* Images = nullptr;  // the battle's image list
  TDXWaveList* Waves = nullptr;    // sounds and the battle music
  TDXInput* Input = nullptr;       // the pilots' controls
  TSurface* Surface = nullptr;     // the back buffer the battle draws on
  int MusicVolume = 0;
  // The seed of the battle's generator when it is given (a replay); else the shared generator
  // is seeded as at every battle's start and the battle takes that seed.
  std::optional<uint64_t> Seed;
  // Where the pilots' commands come from; nullptr for the players at this machine (Input).
  ICommandSource* Commands = nullptr;
};

// Flies one computer-driven ship for one frame.
using TComputerPilot = std::function<void(TMelee& battle, TGameObject& ship)>;

enum TBattlePhase : uint8_t { bpPreBattle = 0, bpFighting = 1, bpOver = 2 };

class TMelee : public IBattleAccess {
public:
  // Builds the battle from the battle file. A file without both flagships is refused with the
  // game's error, and nothing is left behind.
  TMelee(const TBattleEnvironment& env, const std::string& battleFile);
  ~TMelee() override;

  // One simulation step (phase 1).
  void Update();
  // What follows every step before the objects are drawn: the weapons' effects (beams that
  // burn, waves that spread, devices that drain) and each object's frame upkeep (asteroids
  // spin, exhaust burns down and leaves its trail). It runs once after every step, with the
  // frame when one is drawn (the effects drawn too), and before the next step when none was,
  // so that drawing or not never changes the battle.
  void RunFrameEffects(bool draw);
  // The state hash of the battle now (see StateHash.h).
  uint64_t StateHash() const;
  // Records the state hash and hands it to the command source, once per step. The step takes
  // one every 30 steps and when the battle ends, before its frame effects; one taken from
  // outside the step (a battle given up, a recording or a replay reaching its end) comes after
  // them, whether or not a frame has drawn them.
  void Checkpoint();
  // The battle as recorded so far, as a replay fought at that frame interval.
  TReplay MakeReplay(int gameSpeed) const;
  void DrawBattle();
  void DrawPreBattle();
  void DrawAfterBattle();
  void DrawStatusPanel(TGameObject* ship, bool left);
  void DrawRosterIcon(const TGameObject& ship, int x, int y);

  // Writes outcome.adf (the old one deleted first) with every ship's side, hull, crew and class.
  void WriteOutcome(const std::string& path) const;
  // Ends the battle from the options screen: side 2 wins.
  void Abort();

  // Rules the weapons and the computer pilot share.
  void CrewLoss(TGameObject& ship, double damage);
  void VictoryCheck();
  void PilotCommands(TGameObject& ship, int pilot);
  void ShipUpkeep(TGameObject& ship);
  void CollisionPass();
  void Explode(TGameObject& wreck);
  bool IsAlive(const TGameObject* ship) const { return ship && !ship->Removed && !ship->Derelict; }

  // The battle as the weapons see it.
  int Zoom() const override { return View.Zoom; }
  TGameObject& AddObject(const std::string& key, std::unique_ptr<TGameObject> object) override;
  TGameObject* FindObject(const std::string& key) override { return Objects.Find(key); }
  int ObjectCount() const override { return Objects.Count(); }
  TGameObject* ObjectAt(int index) override { return Objects.At(index); }
  TGameObject* NearestEnemy(const TGameObject& from, bool allowCloaked, bool shipsOnly) override;
  double Bearing(const TGameObject& from, const TGameObject& to) override;
  double Distance(const TGameObject& a, const TGameObject& b) override;
  int DisplayWidth(const TGameObject& object) override;
  int DisplayHeight(const TGameObject& object) override;
  void PlaySound(const std::string& name) override;
  void DrawRingWave(double x, double y, TColor color, int step, int size) override;
  TSurface* EffectSurface() override { return EffectsDrawn ? Env.Surface : nullptr; }
  TPoint Camera() const override { return {View.CameraX, View.CameraY}; }
  TGameObject* AddCraft(const TCraftOrder& order) override;
  bool HasImage(const std::string& name) const override;

  TStarList Stars;
  TObjectList Objects;
  TTrailList Trails;
  TArenaView View;
  bool TwoPilots = false;
  std::string RaceName1, RaceName2;
  uint8_t WinningSide = 0;
  // Explosions under way; the battle does not end while any runs.
  int ExplosionsRunning = 0;
  uint8_t Phase = bpPreBattle;
  TGameObject* FocusShip = nullptr;
  TGameObject* Opponent = nullptr;
  TColor PromptColour = 0xFFFFFF;
  int PromptCounter = 51;
  bool Lock1 = true, Lock2 = true;
  // A pilot's ship was flown by a person at some time in this battle: its "AUTOPILOT" label
  // shows while the computer flies it (a computer pilot from the start shows none).
  bool PersonFlew1 = false, PersonFlew2 = false;
  int Salvage = 0;
  std::string MusicTrack;  // the battle music chosen, "" for none
  // The battle's own generator: everything that decides the battle draws from it, and nothing
  // else may (core/Random.h says who may). Seeded with Seed when the battle is built.
  TRandom Rng;
  uint64_t Seed = 0;
  // Steps fought so far (the step running now, during Update); numbered from 1.
  int64_t Tick = 0;
  // The battle file's text as it was read, and the record of the fight, for the replay.
  std::string BattleText;
  TReplayRecorder Recorder;

  // Settings the main window copies in before every frame.
  bool DrawPointers = true;
  // The pad slot each pilot flies with: 0 the keyboard, 1 the first pad or joystick, 2 the second.
  int PadSlot1 = 0, PadSlot2 = 0;
  // Who flies the computer's ships; until one is given they drift.
  TComputerPilot ComputerPilot;
  // Problems with the data found while building the battle.
  TDataWarnings Warnings;
  // The time the last update and draw took (microseconds), for the benchmark.
  double LastUpdateMicros = 0, LastDrawMicros = 0;

private:
  void ChooseMusic();
  void WeaponObjectPass();
  void ObjectPass();
  void ChooseFocus();
  void PromptBlink();
  void DrawPointer(TGameObject& ship, int playerSide);
  void DrawObject(TGameObject& o, int playerSide);
  void FrameUpkeep(TGameObject& o, int playerSide);
  // Draws a picture with its top-left at (x, y); one that is not loaded draws nothing.
  void DrawPicture(const std::string& name, int x, int y);
  // A race logo: none for a race without one, and that is no error.
  void DrawLogo(const std::string& name, int x, int y);
  int PlayerSide() const;
  TImageSize Displayed(const TGameObject& o);

  ICommandSource& Source() { return Env.Commands ? *Env.Commands : Local; }
  void TakeCheckpoint();

  TBattleEnvironment Env;
  TLocalCommands Local{nullptr, nullptr, nullptr};
  // The commands each pilot gave in this step (0 for one that was not asked).
  uint8_t StepCommands[2] = {0, 0};
  int64_t LastCheckpoint = 0;
  bool FrameEffectsPending = false;
  bool EffectsDrawn = true;
  TImageSizeFn Sizes;
  // Craft classes found missing, each warned about once.
  std::set<std::string> UnknownCraft;
};

}  // namespace sw
