#include "screens/Carousel.h"

#include <algorithm>

#include "core/Text.h"

namespace sw {

namespace {

// A slot number brought back into 0 .. count - 1.
int Wrap(int slot, int count) {
  if (count <= 0) return 0;
  return ((slot % count) + count) % count;
}

}  // namespace

int TCarousels::SlotX(TItemKind kind, int slot) { return kind == ikPlanet ? 236 + 103 * slot : 7 + 53 * slot; }

int TCarousels::BoxSize(TItemKind kind) {
  switch (kind) {
    case ikPlanet: return 100;
    case ikRace: return 50;
    default: return 43;
  }
}

TScreenObject& TCarousels::Add(TItemKind kind, const std::string& key) {
  TScreenObject item;
  item.Key = key;
  item.Kind = kind;
  switch (kind) {
    case ikPlanet:
      item.Y = 137;
      item.ClipLeft = 315;
      item.ClipRight = 800;
      break;
    case ikRace:
      item.Y = 114;
      item.ClipLeft = 0;
      item.ClipRight = 290;
      break;
    case ikShip:
      item.Y = 220;
      item.ClipLeft = 0;
      item.ClipRight = 290;
      break;
  }
  Items.push_back(item);
  return Items.back();
}

void TCarousels::Number() {
  for (TItemKind kind : {ikPlanet, ikRace, ikShip}) {
    const int count = Count(kind), first = FirstSlot(kind);
    int n = 0;
    for (auto& item : Items) {
      if (item.Kind != kind) continue;
      // Counting from 1 puts the last item one past the end, which on a ring is the first slot.
      item.Slot = first + Wrap(++n, count);
      item.DrawnX = item.TargetX = SlotX(kind, item.Slot);
    }
  }
}

int TCarousels::FirstSlot(TItemKind kind) const {
  const int count = Count(kind);
  return count > ChosenSlot ? 0 : ChosenSlot - count / 2;
}

int TCarousels::Count(TItemKind kind) const {
  int n = 0;
  for (const auto& item : Items) n += item.Kind == kind ? 1 : 0;
  return n;
}

int TCarousels::IndexOf(TItemKind kind, const std::string& key) const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i].Kind == kind && SameText(Items[i].Key, key)) return static_cast<int>(i);
  return -1;
}

const TScreenObject* TCarousels::Chosen(TItemKind kind) const {
  int i = IndexOf(kind, Selected[kind]);
  return i < 0 ? nullptr : &Items[static_cast<size_t>(i)];
}

void TCarousels::ChooseSlot3(TItemKind kind) {
  for (const auto& item : Items)
    if (item.Kind == kind && item.Slot == ChosenSlot) {
      Selected[kind] = item.Key;
      return;
    }
}

void TCarousels::Turn(TItemKind kind, int d) {
  const int first = FirstSlot(kind), last = LastSlot(kind);
  for (auto& item : Items) {
    if (item.Kind != kind) continue;
    item.Slot += d;
    if (item.Slot > last) item.Slot = first;
    if (item.Slot < first) item.Slot = last;
    item.TargetX += d * Step(kind);
    // The ends of the ring jump into place rather than slide across the whole carousel.
    if (item.Slot == first || item.Slot == last) item.DrawnX = item.TargetX = SlotX(kind, item.Slot);
  }
  ChooseSlot3(kind);
}

void TCarousels::Shift(TItemKind kind, int shift) {
  const int count = Count(kind), first = FirstSlot(kind);
  for (auto& item : Items) {
    if (item.Kind != kind) continue;
    item.Slot = first + Wrap(item.Slot - first - shift, count);
    item.DrawnX = item.TargetX = SlotX(kind, item.Slot);
  }
}

bool TCarousels::Centre(TItemKind kind, const std::string& key) {
  if (!Selected[kind].empty() && SameText(Selected[kind], key)) return false;
  int i = IndexOf(kind, key);
  if (i < 0) return false;
  Shift(kind, Items[static_cast<size_t>(i)].Slot - ChosenSlot);
  ChooseSlot3(kind);
  return true;
}

bool TCarousels::AlignShipsToRace() {
  const TScreenObject* ship = Chosen(ikShip);
  const std::string& race = Selected[ikRace];
  if (ship && SameText(ship->Race, race)) return false;
  for (const auto& item : Items) {
    if (item.Kind != ikShip || !SameText(item.Race, race)) continue;
    Shift(ikShip, item.Slot - ChosenSlot);
    ChooseSlot3(ikShip);
    return true;
  }
  return false;
}

void TCarousels::TurnPlanets(int d) { Turn(ikPlanet, d); }

void TCarousels::TurnRaces(int d) {
  Turn(ikRace, d);
  AlignShipsToRace();
}

void TCarousels::TurnShips(int d) {
  Turn(ikShip, d);
  if (const TScreenObject* ship = Chosen(ikShip)) CentreRacesOn(ship->Race);
}

void TCarousels::CentreRacesOn(const std::string& race) {
  if (Centre(ikRace, race)) {
    ChooseSlot3(ikShip);
    AlignShipsToRace();
  }
  ChooseSlot3(ikRace);
}

void TCarousels::Animate() {
  for (auto& item : Items) {
    if (item.DrawnX < item.TargetX) item.DrawnX = std::min(item.DrawnX + 15, item.TargetX);
    else if (item.DrawnX > item.TargetX) item.DrawnX = std::max(item.DrawnX - 15, item.TargetX);
  }
}

}  // namespace sw
