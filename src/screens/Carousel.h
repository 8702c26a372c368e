#pragma once
// The three carousels of the dogfight set-up screen: planets, races and ships. Every item sits
// in a numbered slot of its carousel; slot 3 is the chosen one. Turning a carousel moves every
// item one slot and slides it one step sideways; the items that wrap round from one end to the
// other jump instead of sliding across the screen. Turning the races brings the first ship of
// the chosen race into view, and turning the ships brings the chosen ship's race into view.
#include <cstdint>
#include <string>
#include <vector>

namespace sw {

enum TItemKind : uint8_t { ikPlanet = 0, ikRace = 1, ikShip = 2 };

// One picture on a carousel.
struct TScreenObject {
  std::string Key;  // section name in its data file
  TItemKind Kind = ikPlanet;
  int Slot = 0;
  int DrawnX = 0;   // where the picture's centre is drawn now
  int TargetX = 0;  // where it slides to
  int Y = 0;
  int Width = 0, Height = 0;  // the picture fitted into the carousel's box
  int ClipLeft = 0, ClipRight = 0;
  std::string ImageName;  // empty when the picture could not be loaded
  std::string Race;       // ships: the race key
  int Gravity = 0;        // planets: GRAVITY
  std::string Folder;     // "" for the base game, "add-ons\<prefix>" for an add-on
};

class TCarousels {
public:
  // The slot that shows the chosen item.
  static constexpr int ChosenSlot = 3;

  // Adds an item at the end of the list, with its row, clip and box of its kind.
  TScreenObject& Add(TItemKind kind, const std::string& key);
  // Numbers each kind's items 1, 2, 3 ... in list order (the last one wraps round to slot 0)
  // and places them on their slots.
  void Number();

  // The x of a slot's centre, and how far one turn slides an item.
  static int SlotX(TItemKind kind, int slot);
  static int Step(TItemKind kind) { return kind == ikPlanet ? 103 : 53; }
  // The widest picture a kind's box holds.
  static int BoxSize(TItemKind kind);

  // Turns one carousel by d (+1 moves the items right, -1 left) and chooses the item that
  // lands in slot 3; nothing else follows.
  void Turn(TItemKind kind, int d);
  // Moves the carousel at once so that the item of that key is in slot 3. False (and nothing
  // moves) when it is chosen already or has no item.
  bool Centre(TItemKind kind, const std::string& key);
  // When the chosen ship is not of the chosen race, moves the ships at once so that the first
  // ship of that race is in slot 3. False when nothing moved.
  bool AlignShipsToRace();
  // The item in slot 3 becomes the chosen one (unchanged when the slot is empty).
  void ChooseSlot3(TItemKind kind);

  // What the arrows do.
  void TurnPlanets(int d);
  void TurnRaces(int d);
  void TurnShips(int d);
  // Brings a race into slot 3 and the ships along with it.
  void CentreRacesOn(const std::string& race);

  // One frame of sliding: every item moves up to 15 pixels toward its target.
  void Animate();
  // True while the item lies strictly inside its carousel's window.
  static bool Visible(const TScreenObject& item) { return item.ClipLeft < item.DrawnX && item.DrawnX < item.ClipRight; }

  // The position in the list of the item of that kind and key, or -1.
  int IndexOf(TItemKind kind, const std::string& key) const;
  // The chosen item of a kind, or nullptr.
  const TScreenObject* Chosen(TItemKind kind) const;
  int Count(TItemKind kind) const;
  int Max(TItemKind kind) const { return Count(kind) - 1; }
  // The slots a kind's items take: 0 to max when there are four or more; a shorter list sits
  // round slot 3 (slots 2 to 4 for three items), so the chosen slot always holds an item.
  int FirstSlot(TItemKind kind) const;
  int LastSlot(TItemKind kind) const { return FirstSlot(kind) + Max(kind); }

  std::vector<TScreenObject> Items;
  std::string Selected[3];  // keys of the chosen planet, race and ship

private:
  // Puts every item of the kind in the slot moved by -shift, without sliding.
  void Shift(TItemKind kind, int shift);
};

}  // namespace sw
