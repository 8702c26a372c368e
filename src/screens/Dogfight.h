#pragma once
// The dogfight set-up screen: carousels of planets, races and ships from the base game and
// every add-on, six fleet slots (a flagship and two support ships a side), the asteroid
// density and the computer switches of both sides. Start writes the battle file and begins
// the battle; every choice is kept for the whole run, so the screen looks as it was left when
// the player comes back from a battle.
#include <string>
#include <vector>

#include "media/Button.h"
#include "media/MenuFocus.h"
#include "screens/Carousel.h"
#include "screens/DogfightBattleFile.h"

namespace sw {

// One replay of the "Replays" list.
struct TReplayEntry {
  std::string Path;
  std::string Name;   // the file's name without ".adf"
  std::string Date;   // when it was written, "2026-12-09 21:15"
  std::string Ships;  // "TFG_Lancer vs ZHA_Raider", or why the file cannot be played
  long long Time = 0;
};

class TDogfight {
public:
  // Reads the planets, the add-on list and every ships and races file, loads the pictures and
  // builds the buttons; starts on the Terran Free Guard and no planet.
  TDogfight();

  void Draw();
  // The key of the button under the point, or "" (dimmed buttons are hit too).
  std::string HitTest(int x, int y) const { return Buttons.HitTest(x, y); }

  // The arrows: +1 turns a carousel's items to the right, -1 to the left.
  void TurnPlanets(int d);
  void TurnRaces(int d);
  void TurnShips(int d);
  // The asteroid density, kept within 0 .. 40.
  void ChangeDensity(int d);
  // Who flies each side; the side buttons show it.
  void SetComputerSides(bool side1, bool side2);
  // The computer pilot's skill of a side (1 or 2): 0 Cadet, 1 Veteran, 2 Ace, held to that range.
  void SetSkill(int side, int skill);
  // The skill selector beside a side's computer switch: Cadet, Veteran, Ace, then Cadet again.
  void NextSkill(int side);
  // Puts the chosen ship into a fleet slot (1 .. 6), or empties it.
  void FillSlot(int slot);
  void EmptySlot(int slot);
  // Writes the battle file and starts the battle; false when a flagship slot is empty (the
  // old battle file is deleted and nothing else happens).
  bool Start();

  // What Start would write.
  TDogfightBattle Battle() const;
  // "None", "Low", "Medium", "High" or "Extreme".
  static std::string DensityWord(int density);

  // The "Replays" list over the screen: the replays kept in `folder` and its recent/ folder,
  // newest first. Up and Down choose one, Enter or a click plays it, Escape closes the list.
  void OpenReplays(const std::string& folder);
  void CloseReplays() { ReplaysOpen = false; }
  void MoveReplaySelection(int d);
  // The list row under the point (an index into Replays), or -1.
  int ReplayRowAt(int x, int y) const;
  // Whether the point lies on the "Replays" button, or on the list's own "Close" button.
  static bool OnReplaysButton(int x, int y);
  // Whether the point lies on the "Network" button, which opens the network duel's panel.
  static bool OnNetworkButton(int x, int y);
  static bool OnReplaysClose(int x, int y);
  static TRect ReplaysButtonRect();
  bool ReplaysOpen = false;
  std::vector<TReplayEntry> Replays;
  int ReplaySelected = 0;
  int ReplayTop = 0;  // the first row shown
  static constexpr int ReplayRowsShown = 16;

  // Every button the highlight moves among, the "Replays" button as "Replays".
  TFocusTargets FocusTargets() const;

  TCarousels Carousels;
  TButtonList Buttons;
  TMenuFocus Focus;
  // Fleet slots 1 .. 6 at [0] .. [5]: the index of a ship in the carousel list, or -1.
  int FleetSlot[6] = {-1, -1, -1, -1, -1, -1};
  std::string FleetName[6];
  bool Side1Computer = false;
  bool Side2Computer = true;
  // The computer pilot's skill of side 1 and side 2 (kept in config.ini).
  int SideSkill[2] = {2, 2};
  int Density = 0;
  std::vector<std::string> RaceInfo, ShipInfo;

private:
  void DrawReplaysButton(TSurface& s);
  void DrawNetworkButton(TSurface& s);
  void DrawReplayList(TSurface& s);
  void LoadItems();
  // Loads the picture of an item (once per name) and fits its size into the kind's box.
  void LoadPicture(TScreenObject& item, const std::string& path);
  // Fills the race and ship lines from the chosen race and ship; the portrait follows the race.
  void RefreshInfo();
  void CreateButtons();

  std::string PlanetsFile;
  std::string FaceRace;  // the race whose portrait is loaded
};

}  // namespace sw
