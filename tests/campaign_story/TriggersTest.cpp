// Triggers: reading triggers.adf, the per-frame checks (day, area, location) and the other
// firing points, with the states a trigger needs and the executions it has left.
#include <gtest/gtest.h>

#include "StoryKit.h"

using namespace sw;

namespace {

// A trigger that runs the event (the test events TICK gives 1 RU, LOG_A and LOG_B add a log
// line) and never meets the star date.
TTrigger& AddTrigger(TGameMain& g, const std::string& name, const std::string& event = "TICK") {
  auto t = std::make_unique<TTrigger>();
  t->EventName = event;
  t->ExecTimes = 99;
  return *g.Triggers.Add(name, std::move(t));
}

std::vector<std::string> LogTitles(const TGameMain& g) {
  std::vector<std::string> titles;
  for (const auto& [title, status] : g.Logs.Items) titles.push_back(title);
  return titles;
}

void MovePlayer(TGameMain& g, int x, int y) {
  TFleet& p = *g.PlayerFleet();
  if (!p.System.empty() || g.FleetLocationOf(p.Name) < 0) PutInOpenSpace(g, p, x, y);
  p.X = x;
  p.Y = y;
}

}  // namespace

TEST(Triggers, AreReadWithTheirDefaultsAndSavedFlags) {
  TStoryRoot root;
  root.Edit("data/testcamp/triggers.adf", "TRIGGER_CTYPE=1", "TRIGGER_CTYPE=1\n[BROKEN]\nTRIGGER_TIME=31;02;2309;\nTRIGGER_CTYPE=3\nTRIGGER_RADIUS=ten");
  auto g = root.Load();
  ASSERT_EQ(g->Triggers.Count(), 5);
  const TTrigger& opening = *g->Triggers.Find("OPENING");
  EXPECT_EQ(opening.TimeMinutes, TGameMain::DateToMinutes(21, 5, 2309));
  EXPECT_EQ(opening.ExecTimes, 2);
  EXPECT_EQ(opening.X, -1);
  EXPECT_EQ(opening.Radius, 0);
  const TTrigger& atNear = *g->Triggers.Find("AT_NEAR");
  EXPECT_EQ(atNear.SystemName, "Near");
  EXPECT_EQ(atNear.OnStates, std::vector<std::string>{"START"});
  EXPECT_TRUE(atNear.InSystem);
  EXPECT_FALSE(atNear.InArea);
  EXPECT_EQ(atNear.TimeMinutes, TGameMain::DateToMinutes(27, 5, 1976));
  EXPECT_EQ(g->Triggers.Find("RAIDER_DOWN")->CType, 1);
  const TTrigger& relic = *g->Triggers.Find("RELIC_FOUND");
  EXPECT_EQ(relic.GainDev, "Relic");
  EXPECT_EQ(relic.CharName, "Admiral Rhee");
  EXPECT_EQ(relic.LooseShip, "Scout");
  // A date that is no date, a type that is neither inside nor outside, a radius that is no
  // number: each named by file, section and key; the trigger keeps its defaults.
  ASSERT_EQ(g->Problems.size(), 3u) << ::testing::PrintToString(g->Problems);
  EXPECT_EQ(g->Problems[0].rfind("data/testcamp/triggers.adf:BROKEN:TRIGGER_TIME: ", 0), 0u);
  EXPECT_EQ(g->Problems[1].rfind("data/testcamp/triggers.adf:BROKEN:TRIGGER_RADIUS: ", 0), 0u);
  EXPECT_EQ(g->Problems[2].rfind("data/testcamp/triggers.adf:BROKEN:TRIGGER_CTYPE: ", 0), 0u);
  EXPECT_EQ(g->Triggers.Find("BROKEN")->CType, 0);
}

TEST(Triggers, TheDayFiresOnEveryFrameOfThatDayWhileExecutionsLastAlsoWithTheClockStopped) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  TTrigger& t = AddTrigger(*g, "TOMORROW");
  t.TimeMinutes = TGameMain::DateToMinutes(22, 5, 2309);
  t.ExecTimes = 2;
  const int ru = g->PlayerFleet()->RU;
  g->SetSpeed(10);
  // 21 May: 48 frames of 30 minutes; the first frame of the 22nd checks before the clock moves.
  for (int i = 0; i < 48; ++i) g->FrameUpdate(true);
  EXPECT_EQ(g->PlayerFleet()->RU, ru);
  g->SetSpeed(0);
  g->FrameUpdate(true);
  g->FrameUpdate(true);
  g->FrameUpdate(true);
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 2) << "two executions, spent on the first two frames";
  EXPECT_EQ(t.ExecTimes, 0);
}

TEST(Triggers, AreasAndLocationsFireOncePerStayInsideOrOutside) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  TTrigger& in = AddTrigger(*g, "IN", "LOG_A");
  in.X = 900;
  in.Y = 600;
  in.Radius = 50;
  TTrigger& out = AddTrigger(*g, "OUT", "LOG_B");
  out.X = 900;
  out.Y = 600;
  out.Radius = 50;
  out.CType = 1;
  TTrigger& zero = AddTrigger(*g, "NO_RADIUS");
  zero.X = 700;
  zero.Y = 600;

  g->CheckTriggers();  // at Home (700, 600): outside
  g->CheckTriggers();
  EXPECT_EQ(in.ExecTimes, 99);
  EXPECT_EQ(out.ExecTimes, 98);
  MovePlayer(*g, 850, 600);  // 50 away: on the edge is inside
  g->CheckTriggers();
  g->CheckTriggers();
  EXPECT_EQ(in.ExecTimes, 98);
  MovePlayer(*g, 851, 640);
  g->CheckTriggers();
  EXPECT_EQ(out.ExecTimes, 97) << "out again after leaving";
  MovePlayer(*g, 899, 601);
  g->CheckTriggers();
  EXPECT_EQ(in.ExecTimes, 97) << "in again after coming back";
  EXPECT_EQ(out.ExecTimes, 97);
  EXPECT_EQ(zero.ExecTimes, 99) << "a radius of 0 has no area";
  EXPECT_EQ(LogTitles(*g), (std::vector<std::string>{"Find the relic", "B", "A"})) << "each ran its event";

  // A location, inside (type 0) and outside (type 1); the flag is set even when the trigger has
  // no executions left, so it fires at most once per stay.
  g->Triggers.Clear();
  g->Logs.Items.clear();
  TTrigger& atNear = AddTrigger(*g, "AT_NEAR", "LOG_A");
  atNear.SystemName = "Near";
  TTrigger& awayFromHome = AddTrigger(*g, "AWAY", "LOG_B");
  awayFromHome.SystemName = "Home";
  awayFromHome.CType = 1;
  awayFromHome.ExecTimes = 0;
  MovePlayer(*g, 720, 600);
  g->CheckTriggers();
  EXPECT_TRUE(g->Logs.Items.empty()) << "no executions left";
  EXPECT_TRUE(awayFromHome.InSystem);
  awayFromHome.ExecTimes = 1;
  g->CheckTriggers();
  EXPECT_TRUE(g->Logs.Items.empty()) << "still the same stay";
  TFleet& p = *g->PlayerFleet();
  g->RemoveLocation(g->FleetLocationOf(p.Name));
  p.System = "Near";
  g->FindLocation("Near")->FleetNames.push_back(p.Name);
  g->CheckTriggers();
  g->CheckTriggers();
  EXPECT_EQ(LogTitles(*g), std::vector<std::string>{"A"});
  EXPECT_EQ(atNear.ExecTimes, 98);
  EXPECT_EQ(awayFromHome.ExecTimes, 1) << "Near is not Home either: the same stay away";
}

TEST(Triggers, StatesMustBeSetBeforeTheStayBegins) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  TTrigger& t = AddTrigger(*g, "GATED");
  t.X = 700;
  t.Y = 600;
  t.Radius = 5;
  t.OnStates = {"START", "CHAPTER2"};
  const int ru = g->PlayerFleet()->RU;
  g->CheckTriggers();
  g->States.push_back("CHAPTER2");
  g->CheckTriggers();
  EXPECT_EQ(g->PlayerFleet()->RU, ru) << "the state came during the stay";
  EXPECT_EQ(t.ExecTimes, 99) << "a trigger that does not fire spends nothing";
  MovePlayer(*g, 800, 600);
  g->CheckTriggers();
  MovePlayer(*g, 700, 600);
  g->CheckTriggers();
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 1) << "the next entry fires";
}

TEST(Triggers, TalksDevicesVipsFleetsAndShipsFireTheirTriggersInOrder) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  AddTrigger(*g, "RACE", "LOG_B").RaceName = "VSK";
  TTrigger& character = AddTrigger(*g, "CHAR", "LOG_A");
  character.CharName = "Admiral Rhee";
  g->TalkTriggers("Admiral Rhee", "VSK");
  EXPECT_EQ(LogTitles(*g), (std::vector<std::string>{"Find the relic", "A", "B"})) << "the character first";
  g->TalkTriggers("admiral rhee", "");
  EXPECT_EQ(character.ExecTimes, 98) << "names compare exactly";
  EXPECT_EQ(g->Triggers.Find("RACE")->ExecTimes, 98) << "an empty race is no race";

  g->Triggers.Clear();
  auto count = [&](const std::string& name, auto field) {
    TTrigger& t = AddTrigger(*g, name);
    field(t);
    return &t;
  };
  TTrigger* gainDev = count("GAIN_DEV", [](TTrigger& t) { t.GainDev = "Relic"; });
  TTrigger* loseDev = count("LOSE_DEV", [](TTrigger& t) { t.LooseDev = "Scanner"; });
  TTrigger* gainVip = count("GAIN_VIP", [](TTrigger& t) { t.GainVip = "Dr Aya"; });
  TTrigger* loseVip = count("LOSE_VIP", [](TTrigger& t) { t.LooseVip = "Envoy"; });
  TTrigger* killed = count("KILLED", [](TTrigger& t) { t.KillFleet = "Raider 101"; });
  TTrigger* lost = count("LOST", [](TTrigger& t) { t.LooseShip = "Scout"; });
  TFleet& p = *g->PlayerFleet();
  g->GainDevice("Relic");
  g->LoseDevice("Scanner");
  g->LoseDevice("Scanner");  // no longer carried: nothing is lost
  g->GainVip("Dr Aya");
  g->LoseVip("Envoy");
  g->FleetDestroyed("Raider 101");
  g->ShipLost("Scout");
  g->ShipLost("Cruiser");
  EXPECT_EQ(p.Devices, std::vector<std::string>{"Relic"});
  EXPECT_EQ(p.Vips, std::vector<std::string>{"Dr Aya"});
  for (TTrigger* t : {gainDev, loseDev, gainVip, loseVip, killed, lost}) EXPECT_EQ(t->ExecTimes, 98);
}
