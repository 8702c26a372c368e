// The star map's view (pointer, scrolling, centring) and the clock with its calendar.
#include <gtest/gtest.h>

#include "CampaignKit.h"

using namespace sw;

TEST(CampaignMap, ThePointerFindsMarkersStrictlyInsideAndTheViewStaysOnTheMap) {
  TCampaignRoot root;
  auto g = root.Load();
  // The view is centred on Home (700, 600): it shows at (400, 300) with a giant's marker of 10.
  EXPECT_EQ(g->LocationUnderPointer(400, 300), 0);
  EXPECT_EQ(g->LocationUnderPointer(409, 309), 0);
  EXPECT_EQ(g->LocationUnderPointer(410, 300), -1);  // on the edge is outside
  EXPECT_EQ(g->LocationUnderPointer(415, 300), 1);   // Near: an unknown star system still counts
  EXPECT_EQ(g->LocationUnderPointer(400, 400), -1);  // an unknown wormhole does not
  g->FindLocation("WormA")->Known = true;
  EXPECT_EQ(g->LocationUnderPointer(400, 400), 3);
  EXPECT_EQ(g->LocationUnderPointer(504, 196), g->FleetLocationOf("Drifter"));

  g->CenterOn(g->Locations.IndexOf("Edge"));  // far down-right: held at the map's corner
  EXPECT_EQ(g->MapOffsetX, -954);
  EXPECT_EQ(g->MapOffsetY, -600);
  g->ScrollMap(sdRight);
  g->ScrollMap(sdDown);
  EXPECT_EQ(g->MapOffsetX, -954);
  EXPECT_EQ(g->MapOffsetY, -600);
  g->ScrollMap(sdLeft);
  g->ScrollMap(sdUp);
  EXPECT_EQ(g->MapOffsetX, -944);
  EXPECT_EQ(g->MapOffsetY, -590);
  g->CenterOn(g->Locations.IndexOf("Rift"));  // up-left
  EXPECT_EQ(g->MapOffsetX, 0);
  EXPECT_EQ(g->MapOffsetY, 0);
  g->ScrollMap(sdLeft);
  g->ScrollMap(sdUp);
  EXPECT_EQ(g->MapOffsetX, 0);
  EXPECT_EQ(g->MapOffsetY, 0);
}

// Only what the map shows is found under the pointer: a fleet in open space within sensor range,
// and the player's own fleet at any range.
TEST(CampaignMap, FleetsBeyondSensorRangeAreNotFoundUnderThePointer) {
  TCampaignRoot root;
  auto g = root.Load();
  // The Drifter (800, 500) lies 141 from the player at Home, drawn at (500, 200).
  g->SensorRange = 140;
  EXPECT_EQ(g->LocationUnderPointer(504, 196), -1);
  g->SensorRange = 150;
  EXPECT_EQ(g->LocationUnderPointer(504, 196), g->FleetLocationOf("Drifter"));
  PutInOpenSpace(*g, *g->PlayerFleet(), 600, 600);
  g->SensorRange = 0;
  EXPECT_EQ(g->LocationUnderPointer(300, 300), g->FleetLocationOf("Vanguard"));
  EXPECT_EQ(g->LocationUnderPointer(504, 196), -1);
}

TEST(CampaignClock, WorldStepsComeEvery48_10And5TicksAndNeverAtSpeed0) {
  TCampaignRoot root;
  auto g = root.Load();
  auto stepsIn = [&](int speed, int ticks) {
    g->SetSpeed(speed);
    int steps = 0;
    for (int t = 0; t < ticks; ++t) {
      const long long last = g->LastStepMinutes;
      g->FrameUpdate(true);
      steps += g->LastStepMinutes != last;
      g->SetSpeed(speed);  // an arrival or encounter may have changed it
    }
    return steps;
  };
  const long long start = g->StarDateMinutes;
  EXPECT_EQ(stepsIn(0, 100), 0);
  EXPECT_EQ(g->StarDateMinutes, start);
  EXPECT_EQ(stepsIn(1, 480), 10);
  EXPECT_EQ(stepsIn(5, 100), 10);
  EXPECT_EQ(stepsIn(10, 100), 20);
  EXPECT_EQ(g->StarDateMinutes - start, 480 * 3 + 100 * 15 + 100 * 30);
}

TEST(CampaignClock, TheStarDateFollowsTheCalendar) {
  TCampaignRoot root;
  auto g = root.Load();
  EXPECT_EQ(TGameMain::DateToMinutes(30, 12, 1899), 0);
  auto dayAfter = [&](int d, int m, int y) {
    g->StarDateMinutes = TGameMain::DateToMinutes(d, m, y) + 1440 + 3 * 61;
    return g->StarDateParts();
  };
  auto leap = dayAfter(28, 2, 2308);
  EXPECT_EQ(leap.Day, 29);
  EXPECT_EQ(leap.Month, 2);
  EXPECT_EQ(leap.Hour, 3);
  EXPECT_EQ(leap.Minute, 3);
  auto century = dayAfter(28, 2, 2300);  // not a leap year
  EXPECT_EQ(century.Day, 1);
  EXPECT_EQ(century.Month, 3);
  auto year = dayAfter(31, 12, 2309);
  EXPECT_EQ(year.Day, 1);
  EXPECT_EQ(year.Month, 1);
  EXPECT_EQ(year.Year, 2310);
}
