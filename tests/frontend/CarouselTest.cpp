// The carousels of the dogfight set-up: slots, turning, the jump at the ends of the ring,
// sliding, and how the race and ship carousels follow each other.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "screens/Carousel.h"

using namespace sw;

namespace {

// Five races and six ships; race DDD has no ship, race AAA has two.
class Carousels : public ::testing::Test {
protected:
  void SetUp() override {
    for (auto [key, race] : {std::pair{"a1", "AAA"}, {"a2", "AAA"}, {"b1", "BBB"}, {"c1", "CCC"}, {"c2", "CCC"},
                             {"e1", "EEE"}})
      C.Add(ikShip, key).Race = race;
    for (const char* race : {"AAA", "BBB", "CCC", "DDD", "EEE"}) C.Add(ikRace, race);
    C.Number();
    C.ChooseSlot3(ikShip);
    C.ChooseSlot3(ikRace);
  }
  const TScreenObject& Item(TItemKind kind, const std::string& key) {
    return C.Items[static_cast<size_t>(C.IndexOf(kind, key))];
  }
  int SlotOf(TItemKind kind, const std::string& key) { return Item(kind, key).Slot; }
  // Every item of the kind has a slot of its own within 0 .. max.
  void ExpectRing(TItemKind kind) {
    std::vector<int> slots;
    for (const auto& item : C.Items)
      if (item.Kind == kind) slots.push_back(item.Slot);
    std::sort(slots.begin(), slots.end());
    for (size_t i = 0; i < slots.size(); ++i) EXPECT_EQ(slots[i], static_cast<int>(i)) << "kind " << int(kind);
  }
  TCarousels C;
};


TEST_F(Carousels, NumberingGivesEveryItemItsOwnSlotWithTheLastWrappingToTheFront) {
  ExpectRing(ikShip);
  ExpectRing(ikRace);
  EXPECT_EQ(SlotOf(ikShip, "a1"), 1);
  EXPECT_EQ(SlotOf(ikShip, "e1"), 0);
  EXPECT_EQ(Item(ikShip, "c1").DrawnX, 7 + 53 * 4);
  EXPECT_EQ(C.Selected[ikShip], "b1");
  EXPECT_EQ(C.Selected[ikRace], "CCC");
}

TEST_F(Carousels, TurningSlidesTheItemsAndTheEndsOfTheRingJump) {
  C.Turn(ikShip, -1);
  EXPECT_EQ(C.Selected[ikShip], "c1");
  ExpectRing(ikShip);
  // a2 slides from slot 2 to slot 1.
  const TScreenObject& a2 = Item(ikShip, "a2");
  EXPECT_EQ(a2.Slot, 1);
  EXPECT_EQ(a2.DrawnX, 7 + 53 * 2);
  EXPECT_EQ(a2.TargetX, 7 + 53);
  // a1 lands on slot 0 and e1 wraps round to the last slot: both are put in place at once.
  EXPECT_EQ(Item(ikShip, "a1").DrawnX, 7);
  EXPECT_EQ(Item(ikShip, "e1").Slot, 5);
  EXPECT_EQ(Item(ikShip, "e1").DrawnX, 7 + 53 * 5);
  EXPECT_EQ(Item(ikShip, "e1").TargetX, 7 + 53 * 5);

  // Sliding: 15 pixels a frame, stopping on the target.
  std::vector<int> path;
  for (int i = 0; i < 5; ++i) {
    C.Animate();
    path.push_back(Item(ikShip, "a2").DrawnX);
  }
  EXPECT_EQ(path, (std::vector<int>{98, 83, 68, 60, 60}));
}

TEST_F(Carousels, ChoosingARaceBringsItsFirstShipIntoTheMiddle) {
  C.Centre(ikRace, "AAA");
  EXPECT_EQ(C.Selected[ikRace], "AAA");
  ASSERT_TRUE(C.AlignShipsToRace());
  EXPECT_EQ(C.Selected[ikShip], "a1") << "the first ship of the race in list order, not a2";
  EXPECT_EQ(SlotOf(ikShip, "a1"), 3);
  EXPECT_EQ(Item(ikShip, "a1").DrawnX, 7 + 53 * 3) << "aligning jumps, it does not slide";
  ExpectRing(ikShip);
  EXPECT_FALSE(C.AlignShipsToRace()) << "already aligned";

  // Turning the races onto one with ships (EEE is left of AAA on the ring).
  C.TurnRaces(+1);
  EXPECT_EQ(C.Selected[ikRace], "EEE");
  EXPECT_EQ(C.Selected[ikShip], "e1");
}

TEST_F(Carousels, ARaceWithoutShipsLeavesTheShipsWhereTheyAre) {
  ASSERT_TRUE(C.AlignShipsToRace());
  EXPECT_EQ(C.Selected[ikShip], "c1");
  C.TurnRaces(-1);  // DDD comes into the middle
  EXPECT_EQ(C.Selected[ikRace], "DDD");
  EXPECT_EQ(C.Selected[ikShip], "c1");
  EXPECT_EQ(SlotOf(ikShip, "c1"), 3);
}

TEST_F(Carousels, TurningShipsOntoAnotherRaceCentresThatRace) {
  C.CentreRacesOn("AAA");
  ASSERT_EQ(C.Selected[ikShip], "a1");
  C.TurnShips(-1);
  EXPECT_EQ(C.Selected[ikShip], "a2");
  EXPECT_EQ(C.Selected[ikRace], "AAA") << "still the same race";
  C.TurnShips(-1);
  EXPECT_EQ(C.Selected[ikShip], "b1");
  EXPECT_EQ(C.Selected[ikRace], "BBB");
  EXPECT_EQ(SlotOf(ikRace, "BBB"), 3);
  EXPECT_EQ(Item(ikRace, "BBB").DrawnX, 7 + 53 * 3);
  EXPECT_EQ(C.Selected[ikShip], "b1") << "the turned-to ship stays chosen";
  ExpectRing(ikRace);
}

TEST(CarouselShips, AShipOfARaceThatIsNotListedLeavesTheRacesAlone) {
  TCarousels c;
  for (auto [key, race] : {std::pair{"s1", "AAA"}, {"s2", "AAA"}, {"s3", "AAA"}, {"s4", "ZZZ"}, {"s5", "AAA"}})
    c.Add(ikShip, key).Race = race;
  for (const char* race : {"AAA", "BBB", "CCC", "DDD"}) c.Add(ikRace, race);
  c.Number();
  c.ChooseSlot3(ikRace);
  c.CentreRacesOn("AAA");
  ASSERT_EQ(c.Selected[ikShip], "s3");
  c.TurnShips(-1);
  EXPECT_EQ(c.Selected[ikShip], "s4") << "the ship stays chosen; it is not pulled back to its neighbours' race";
  EXPECT_EQ(c.Selected[ikRace], "AAA");
  EXPECT_EQ(c.Items[0].Slot, 0) << "s1 has not moved into the middle";
}

TEST(CarouselClip, ItemsOnAClipBoundAreNotDrawn) {
  TCarousels c;
  TScreenObject& ship = c.Add(ikShip, "s");
  for (auto [x, shown] : {std::pair{0, false}, {1, true}, {289, true}, {290, false}}) {
    ship.DrawnX = x;
    EXPECT_EQ(TCarousels::Visible(ship), shown) << x;
  }
  TScreenObject& planet = c.Add(ikPlanet, "p");
  for (auto [x, shown] : {std::pair{315, false}, {316, true}, {799, true}, {800, false}}) {
    planet.DrawnX = x;
    EXPECT_EQ(TCarousels::Visible(planet), shown) << x;
  }
}

TEST(CarouselShort, AListShorterThanTheMiddleStillHasItsChosenItem) {
  for (int count = 1; count <= 3; ++count) {
    TCarousels c;
    for (int i = 0; i < count; ++i) c.Add(ikPlanet, "p" + std::to_string(i));
    c.Number();
    c.ChooseSlot3(ikPlanet);
    // A full turn each way shows every item in the middle once, lit, with none off the ring.
    for (int d : {-1, +1}) {
      std::vector<std::string> seen;
      for (int t = 0; t < count; ++t) {
        ASSERT_NE(c.Chosen(ikPlanet), nullptr) << count;
        EXPECT_EQ(c.Chosen(ikPlanet)->Slot, TCarousels::ChosenSlot);
        seen.push_back(c.Selected[ikPlanet]);
        c.Turn(ikPlanet, d);
        for (const auto& item : c.Items) {
          EXPECT_GE(item.Slot, c.FirstSlot(ikPlanet));
          EXPECT_LE(item.Slot, c.LastSlot(ikPlanet));
        }
      }
      std::sort(seen.begin(), seen.end());
      EXPECT_EQ(std::unique(seen.begin(), seen.end()) - seen.begin(), count) << count;
    }
    EXPECT_FALSE(c.Centre(ikPlanet, c.Selected[ikPlanet]));
    EXPECT_TRUE(count == 1 || c.Centre(ikPlanet, "p0") || c.Selected[ikPlanet] == "p0");
    EXPECT_EQ(c.Selected[ikPlanet], "p0");
  }
}

}  // namespace
