// Trade posts and the fleet economy: reading the posts, opening trade, fuel, crew, ships,
// blueprints, manufacture, recycling, the crew and structure of an entry, and the event rows
// that change the posts.
#include <fstream>

#include <gtest/gtest.h>

#include "CampaignKit.h"
#include "campaign/StoryCheck.h"

using namespace sw;

namespace {

// Appends text to a file of the private root (an event, a trigger, a dialogue).
void Append(const TCampaignRoot& root, const std::string& file, const std::string& text) {
  std::ofstream(root.Path + file, std::ios::app) << "\n" << text << "\n";
  AdfFlushCache();
}

// Opens trade with the Drifter, the traders' fleet: the post "QLL".
void TradeWithDrifter(TGameMain& g) {
  g.SelectedFleet = g.Fleets.IndexOf("Drifter");
  ASSERT_TRUE(g.OpenTrade());
  ASSERT_EQ(g.TradePost, "QLL");
}

bool HasState(const TGameMain& g, const std::string& state) {
  return std::find(g.States.begin(), g.States.end(), state) != g.States.end();
}

}  // namespace

// trade.adf as read, the post of a fleet (its commander's, else its race's), opening trade from
// the fleet panel (an active post only) and from a talk's "#TRADE" (any post; none: the talk ends).
TEST(Economy, PostsAreReadFoundAndOpenedFromPanelsAndTalks) {
  TCampaignRoot root;
  Append(root, "data/testcamp/dialogs/fleet_VSK.adf",
         "[HOSTILE_GENERIC_RAIDER_000]\nREPLY_LINES=1\nREPLY1=Trade or die.\nRESPONDS=1\n"
         "RESPOND1=Trade, then.;#TRADE;0;#NONE");
  Append(root, "data/testcamp/dialogs/heroes_VSK.adf",
         "[RHEE_START_000]\nREPLY_LINES=1\nREPLY1=My own stock.\nRESPONDS=1\nRESPOND1=Show me.;#TRADE;0;#NONE");
  auto g = root.Load();
  ASSERT_TRUE(g->Problems.empty()) << g->Problems.front();

  ASSERT_EQ(g->TradePosts.Count(), 3);
  const TTradeInfo& q = *g->TradePosts.Find("QLL");
  EXPECT_EQ(q.SellFuel, 200);
  EXPECT_EQ(q.BuyFuel, 50);
  EXPECT_EQ(q.SellCrew, 7);
  EXPECT_EQ(q.BuyShipVal, 25);
  EXPECT_TRUE(q.Active);
  EXPECT_EQ(q.Blueprints.Items, (std::vector<std::pair<std::string, std::string>>{{"Scout", "100"}, {"Barge", "60"}}));
  EXPECT_EQ(q.ShipsForSale.Items, (std::vector<std::pair<std::string, std::string>>{{"Barge", "90"}, {"Cruiser", "150"}}));
  const TTradeInfo& v = *g->TradePosts.Find("VSK");
  EXPECT_FALSE(v.Active);
  EXPECT_EQ(v.BuyFuel, 0) << "a missing key reads as 0";

  // The race's post, the commander's own when the commander is a character with one.
  TFleet& raider = *g->FindFleet("Raider 101");
  std::string name;
  EXPECT_EQ(g->PostOf(raider, &name), &v);
  EXPECT_EQ(name, "VSK");
  EXPECT_EQ(g->ActivePostOf(raider), nullptr) << "the raiders' post is closed";
  raider.Cmdr = "Admiral Rhee";
  EXPECT_EQ(g->ActivePostOf(raider), g->TradePosts.Find("Admiral Rhee"));
  raider.Cmdr = "VSK";  // a commander that is no character does not name a post
  EXPECT_EQ(g->PostOf(raider), &v);
  raider.Race = "DRN";
  EXPECT_EQ(g->PostOf(raider), nullptr);
  raider.Race = "VSK";
  raider.Cmdr = "Unknown";

  // From the fleet panel: nothing opens for the player's own fleet or a closed post.
  g->SelectedFleet = 0;
  EXPECT_FALSE(g->OpenTrade());
  g->SelectedFleet = g->Fleets.IndexOf("Raider 101");
  EXPECT_FALSE(g->OpenTrade());
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);
  EXPECT_TRUE(g->TradePost.empty());

  g->SelectedShip = 1;
  g->SelectedBlueprint = g->SelectedForSale = g->SelectedDesign = 1;
  TradeWithDrifter(*g);
  EXPECT_EQ(g->SubScreen(), csTrade);
  EXPECT_EQ(g->Speed, 0);
  EXPECT_EQ(g->TradeRace, "QLL");
  EXPECT_EQ(g->RaceInfoLines.size(), 6u);
  EXPECT_EQ(g->RaceInfoLines[0], "Test Traders");
  EXPECT_EQ(g->SelectedShip + g->SelectedBlueprint + g->SelectedForSale + g->SelectedDesign, 0)
      << "the lists start at their first lines";

  // "#TRADE" opens even a closed post, the race's for a generic talk...
  g->SelectedFleet = g->Fleets.IndexOf("Raider 101");
  g->OpenTalk(0);
  ASSERT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_000");
  g->ChooseAnswer(0);
  EXPECT_EQ(g->SubScreen(), csTrade);
  EXPECT_EQ(g->TradePost, "VSK");
  EXPECT_EQ(g->Speed, 0);
  // ... the character's own for a character's talk ...
  raider.Cmdr = "Admiral Rhee";
  g->OpenTalk(0);
  ASSERT_EQ(g->TalkSection, "RHEE_START_000");
  g->ChooseAnswer(0);
  EXPECT_EQ(g->TradePost, "Admiral Rhee");
  EXPECT_EQ(g->TradeRace, "VSK");
  // ... and without a post the talk simply ends.
  raider.Cmdr = "Unknown";
  g->TradePosts.Delete(g->TradePosts.IndexOf("VSK"));
  g->OpenTalk(0);
  g->ChooseAnswer(0);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);
}

// Fuel bought whole, in part with the last RUs, not into a full tank; fuel sold a hundred at a
// time; crew hired while the RUs last.
TEST(Economy, FuelAndCrewAtTheirLimits) {
  TCampaignRoot root;
  auto g = root.Load();
  TradeWithDrifter(*g);
  TFleet& p = *g->PlayerFleet();
  TTradeInfo& post = *g->CurrentPost();

  p.Fuel = 30;
  p.MaxFuel = 50;
  p.RU = 100;
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 50);
  EXPECT_EQ(p.RU, 60) << "20 units at 200 per 100";
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 50);
  EXPECT_EQ(p.RU, 60) << "a full tank buys nothing";
  p.Fuel = 30;
  p.RU = 10;
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 35) << "10 RUs buy 5 units";
  EXPECT_EQ(p.RU, 0);
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 35);

  // The partial buy at prices that are no multiple of 100: what the RUs pay for, rounded.
  p.MaxFuel = 500;
  p.Fuel = 0;
  p.RU = 10;
  post.SellFuel = 150;
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 7) << "10 RUs at 150 per 100 buy 6.67 units";
  EXPECT_EQ(p.RU, 0);
  p.Fuel = 0;
  p.RU = 10;
  post.SellFuel = 40;
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 25) << "10 RUs at 40 per 100";
  EXPECT_EQ(p.RU, 0);
  p.Fuel = 0;
  p.RU = 1;
  post.SellFuel = 300;
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 0) << "1 RU at 300 per 100 buys a third of a unit: nothing";
  EXPECT_EQ(p.RU, 1) << "an RU that buys nothing is kept";
  post.SellFuel = 40;
  p.Fuel = 0;
  p.RU = 1000;
  g->BuyFuel();
  EXPECT_EQ(p.Fuel, 100) << "at most 100 units a purchase";
  EXPECT_EQ(p.RU, 960);

  p.Fuel = 150;
  p.RU = 0;
  g->SellFuel();
  EXPECT_EQ(p.Fuel, 50);
  EXPECT_EQ(p.RU, 50) << "100 units at 50 per 100";
  g->SellFuel();
  EXPECT_EQ(p.Fuel, 0);
  EXPECT_EQ(p.RU, 75);
  g->SellFuel();
  EXPECT_EQ(p.RU, 75);

  p.RU = 10;
  p.Crew = 0;
  g->HireCrew();
  EXPECT_EQ(p.Crew, 1);
  EXPECT_EQ(p.RU, 3);
  g->HireCrew();
  EXPECT_EQ(p.Crew, 1) << "3 RUs do not pay a crew member at 7";
  EXPECT_EQ(p.RU, 3);

  // A price below 1 (an event's way of closing a trade) is no trade, never a gift.
  p.RU = 100;
  p.Fuel = 10;
  post.SellFuel = -50;
  post.BuyFuel = -50;
  post.SellCrew = -5;
  g->BuyFuel();
  g->SellFuel();
  g->HireCrew();
  EXPECT_EQ(p.RU, 100);
  EXPECT_EQ(p.Fuel, 10);
  EXPECT_EQ(p.Crew, 1);
}

// Ships bought (crewed from the spare crew), sold with the post's addition and the class's
// triggers, the selection kept in range, the last entry kept; a sale whose trigger empties the
// fleet.
TEST(Economy, ShipsBoughtAndSold) {
  TCampaignRoot root;
  Append(root, "data/testcamp/triggers.adf",
         "[LOST_CRUISER]\nTRIGGER_EVENT=EV_CRUISER_GONE\nTRIGGER_LOOSE_SHIP=Cruiser\nTRIGGER_EXEC_TIMES=5\n"
         "[LOST_BARGE]\nTRIGGER_EVENT=EV_FLEET_GONE\nTRIGGER_LOOSE_SHIP=Barge");
  Append(root, "data/testcamp/events.adf",
         "[EV_CRUISER_GONE]\nADD_STATE=CRUISER_GONE\n[EV_FLEET_GONE]\nREMOVE_ALL_SHIPS=1\nGET_RU=1");
  auto g = root.Load();
  TradeWithDrifter(*g);
  TFleet& p = *g->PlayerFleet();
  ASSERT_EQ(p.Ships.Count(), 2);  // Cruiser x3 (40, 20), Scout (7, 2)

  // A Barge (60, 30) for 90: without spare crew it comes uncrewed; with more than enough, full.
  p.RU = 179;
  p.Crew = 0;
  g->SelectedForSale = 0;
  g->BuyShip();
  ASSERT_EQ(p.Ships.Count(), 3);
  EXPECT_EQ(p.RU, 89);
  const TShip* barge = p.Ships.At(2);
  EXPECT_EQ(p.Ships.NameAt(2), "SHIP3");
  EXPECT_EQ(barge->ShipClass, "Barge");
  EXPECT_EQ(barge->Count, 1);
  EXPECT_EQ(barge->Structure, 60);
  EXPECT_EQ(barge->Crew, 0);
  g->BuyShip();
  EXPECT_EQ(p.Ships.Count(), 3) << "89 RUs do not pay 90";
  p.RU = 90;
  p.Crew = 50;
  g->BuyShip();
  ASSERT_EQ(p.Ships.Count(), 4);
  EXPECT_EQ(p.Ships.At(3)->Crew, 30);
  EXPECT_EQ(p.Crew, 20);
  EXPECT_EQ(p.RU, 0);
  p.Crew = 7;
  p.RU = 150;
  g->SelectedForSale = 1;
  g->BuyShip();
  EXPECT_EQ(p.Ships.At(4)->Crew, 7) << "a short spare crew all goes aboard";
  EXPECT_EQ(p.Crew, 0);

  // The Cruiser entry of 3 ships (structure 40, crew 20 each) sells one ship at a time, each
  // for 40 x 1.25 with its crew back to the spare crew; the entry goes with its last ship.
  p.RU = 0;
  g->SelectedShip = 0;
  EXPECT_EQ(g->SalePrice(*p.Ships.At(0)), 50);
  g->SellShip();
  ASSERT_EQ(p.Ships.Count(), 5);
  EXPECT_EQ(p.Ships.At(0)->Count, 2);
  EXPECT_EQ(p.Ships.At(0)->Structure, 40) << "the ships left keep their structure";
  EXPECT_EQ(p.RU, 50);
  EXPECT_EQ(p.Crew, 20);
  EXPECT_TRUE(HasState(*g, "CRUISER_GONE")) << "the class's LooseShip trigger fires";
  g->SellShip();
  EXPECT_EQ(p.Ships.At(0)->Count, 1);
  g->SellShip();
  ASSERT_EQ(p.Ships.Count(), 4);
  EXPECT_EQ(p.RU, 150);
  EXPECT_EQ(p.Crew, 60);
  EXPECT_EQ(p.Ships.At(0)->ShipClass, "Scout");
  // The shown price is rounded half to even, exactly: 37 x 1.5 = 55.5, 35 x 1.1 = 38.5.
  TShip probe;
  probe.Structure = 37;
  g->CurrentPost()->BuyShipVal = 50;
  EXPECT_EQ(g->SalePrice(probe), 56);
  probe.Structure = 35;
  g->CurrentPost()->BuyShipVal = 10;
  EXPECT_EQ(g->SalePrice(probe), 38);
  // A post that buys no ships.
  g->CurrentPost()->BuyShipVal = 0;
  g->SellShip();
  EXPECT_EQ(p.Ships.Count(), 4);
  g->CurrentPost()->BuyShipVal = 25;

  // Selling the last line moves the selection onto the new last line; a new entry's name stays
  // unique after the sales.
  g->SelectedShip = 3;
  g->SellShip();
  EXPECT_EQ(p.Ships.Count(), 3);
  EXPECT_EQ(g->SelectedShip, 2);
  p.RU = 90;
  g->SelectedForSale = 0;
  g->BuyShip();
  for (int i = 0; i < p.Ships.Count(); ++i)
    for (int k = i + 1; k < p.Ships.Count(); ++k) EXPECT_NE(p.Ships.NameAt(i), p.Ships.NameAt(k));

  // A sale whose trigger takes every ship: the sale is complete before the event runs.
  const int ru = p.RU;
  g->SelectedShip = 1;
  const int price = g->SalePrice(*p.Ships.At(1));
  g->SellShip();
  EXPECT_EQ(p.Ships.Count(), 0);
  EXPECT_EQ(p.RU, ru + price + 1);
  EXPECT_EQ(g->SelectedShip, -1);

  // The last entry cannot be sold; while it stands for two ships, one of them can.
  p.RU = 90;
  g->BuyShip();
  ASSERT_EQ(p.Ships.Count(), 1);
  g->SelectedShip = 0;
  g->SellShip();
  EXPECT_EQ(p.Ships.Count(), 1);
  EXPECT_EQ(p.RU, 0);
  p.Ships.At(0)->Count = 2;
  g->SellShip();
  ASSERT_EQ(p.Ships.Count(), 1);
  EXPECT_EQ(p.Ships.At(0)->Count, 1);
  EXPECT_EQ(p.RU, g->SalePrice(*p.Ships.At(0)));
  g->SellShip();
  EXPECT_EQ(p.Ships.At(0)->Count, 1) << "the fleet's last ship stays";
}

// A blueprint adds a design at five times its price and replaces only a dearer one; manufacture
// and recycling need their abilities, keep the last entry, and crew as a purchase does.
TEST(Economy, BlueprintsManufactureAndRecycling) {
  TCampaignRoot root;
  Append(root, "data/testcamp/triggers.adf",
         "[LOST_SCOUT]\nTRIGGER_EVENT=EV_SCOUT_GONE\nTRIGGER_LOOSE_SHIP=Scout");
  Append(root, "data/testcamp/events.adf", "[EV_SCOUT_GONE]\nADD_STATE=SCOUT_GONE");
  auto g = root.Load();
  TradeWithDrifter(*g);
  TFleet& p = *g->PlayerFleet();
  using TLines = std::vector<std::pair<std::string, std::string>>;
  ASSERT_EQ(g->Designs.Items, (TLines{{"Scout", "120"}}));

  // Barge at 60: 300 RUs, then built for 60.
  p.RU = 299;
  g->SelectedBlueprint = 1;
  g->BuyBlueprint();
  EXPECT_EQ(g->Designs.Count(), 1) << "299 RUs do not pay 5 x 60";
  p.RU = 300;
  g->BuyBlueprint();
  EXPECT_EQ(g->Designs.Items, (TLines{{"Scout", "120"}, {"Barge", "60"}}));
  EXPECT_EQ(p.RU, 0);
  // Scout at 100 replaces the Scout design at 120 and moves to the end; at the same price again
  // nothing happens.
  p.RU = 1000;
  g->SelectedBlueprint = 0;
  g->BuyBlueprint();
  EXPECT_EQ(g->Designs.Items, (TLines{{"Barge", "60"}, {"Scout", "100"}}));
  EXPECT_EQ(p.RU, 500);
  g->BuyBlueprint();
  EXPECT_EQ(p.RU, 500);
  EXPECT_EQ(g->Designs.Count(), 2);

  // Manufacture of the Barge design (60, crew 30 of spare 12).
  g->ShowScreen(csLogistics);
  g->SelectedDesign = 0;
  p.Crew = 12;
  p.RU = 60;
  g->CanBuild = false;
  g->Manufacture();
  EXPECT_EQ(p.Ships.Count(), 2) << "no building without the ability";
  g->CanBuild = true;
  g->Manufacture();
  ASSERT_EQ(p.Ships.Count(), 3);
  EXPECT_EQ(p.Ships.At(2)->ShipClass, "Barge");
  EXPECT_EQ(p.Ships.At(2)->Structure, 60);
  EXPECT_EQ(p.Ships.At(2)->Crew, 12);
  EXPECT_EQ(p.Crew, 0);
  EXPECT_EQ(p.RU, 0);
  g->Manufacture();
  EXPECT_EQ(p.Ships.Count(), 3) << "no RUs left";

  // Recycling the Scout (7, 2) returns its structure and crew and fires its trigger.
  g->SelectedShip = 1;
  g->CanRecycle = false;
  g->Recycle();
  EXPECT_EQ(p.Ships.Count(), 3);
  g->CanRecycle = true;
  g->Recycle();
  ASSERT_EQ(p.Ships.Count(), 2);
  EXPECT_EQ(p.RU, 7);
  EXPECT_EQ(p.Crew, 2);
  EXPECT_TRUE(HasState(*g, "SCOUT_GONE"));
  g->SelectedShip = 1;
  g->Recycle();
  EXPECT_EQ(g->SelectedShip, 0);
  EXPECT_EQ(p.RU, 67);
  // The Cruiser entry left stands for 3 ships (40, 20): they are recycled one at a time, each
  // for one ship's structure and crew, and the fleet's last ship is kept.
  ASSERT_EQ(p.Ships.Count(), 1);
  ASSERT_EQ(p.Ships.At(0)->Count, 3);
  const int crew = p.Crew;
  g->Recycle();
  ASSERT_EQ(p.Ships.Count(), 1);
  EXPECT_EQ(p.Ships.At(0)->Count, 2);
  EXPECT_EQ(p.RU, 107);
  EXPECT_EQ(p.Crew, crew + 20);
  g->Recycle();
  EXPECT_EQ(p.Ships.At(0)->Count, 1);
  g->Recycle();
  EXPECT_EQ(p.Ships.Count(), 1) << "the last ship is kept";
  EXPECT_EQ(p.Ships.At(0)->Count, 1);
  EXPECT_EQ(p.RU, 147);
}

// The crew and structure buttons of the player's own fleet, at their limits.
TEST(Economy, CrewAndStructureOfTheSelectedEntry) {
  TCampaignRoot root;
  auto g = root.Load();
  TFleet& p = *g->PlayerFleet();
  g->SelectedFleet = 0;
  g->SelectedShip = 1;
  TShip& s = *p.Ships.At(1);  // a Scout: 7 of 10 structure, 2 of 4 crew
  p.Crew = 3;
  p.RU = 2;

  g->CrewOneMore();
  EXPECT_EQ(s.Crew, 3);
  EXPECT_EQ(p.Crew, 2);
  g->CrewFull();
  g->CrewOneMore();
  EXPECT_EQ(s.Crew, 4) << "never above the class's crew";
  EXPECT_EQ(p.Crew, 1);
  g->CrewToOne();
  g->CrewOneLess();
  EXPECT_EQ(s.Crew, 1) << "never below one";
  EXPECT_EQ(p.Crew, 4);
  p.Crew = 2;
  g->CrewFull();
  EXPECT_EQ(s.Crew, 3) << "a short spare crew all goes aboard";
  EXPECT_EQ(p.Crew, 0);
  g->CrewOneMore();
  EXPECT_EQ(s.Crew, 3);
  g->CrewOneLess();
  EXPECT_EQ(s.Crew, 2);
  EXPECT_EQ(p.Crew, 1);

  g->RepairOne();
  EXPECT_EQ(s.Structure, 8);
  EXPECT_EQ(p.RU, 1);
  g->RepairFull();
  EXPECT_EQ(s.Structure, 9) << "the RUs run out first";
  EXPECT_EQ(p.RU, 0);
  g->RepairOne();
  EXPECT_EQ(s.Structure, 9);
  g->StripOne();
  EXPECT_EQ(s.Structure, 8);
  EXPECT_EQ(p.RU, 1);
  g->StripToOne();
  g->StripOne();
  EXPECT_EQ(s.Structure, 1);
  EXPECT_EQ(p.RU, 8);
  p.RU = 100;
  g->RepairFull();
  g->RepairOne();
  EXPECT_EQ(s.Structure, 10) << "never above the class's structure";
  EXPECT_EQ(p.RU, 91);

  // With another fleet on the panel the buttons change nothing of the player's.
  g->SelectedFleet = 1;
  g->StripToOne();
  g->CrewToOne();
  EXPECT_EQ(s.Structure, 10);
  EXPECT_EQ(s.Crew, 2);
}

// The event rows of the trade posts, and the data check of their keys.
TEST(Economy, EventsChangeTheTermsAndListsOfPosts) {
  TCampaignRoot root;
  Append(root, "data/testcamp/events.adf",
         "[EV_TRADE]\nTRADE_ACTIVE@VSK=1\nTRADE_SELL_CREW@QLL=-5\nTRADE_SELL_FUEL@QLL=-1\nTRADE_BUY_FUEL@QLL=70\n"
         "TRADE_ADD_VALUE@QLL=0\nTRADE_REMOVE_SHIPS@QLL=2\nTRADE_REMOVE_SHIP1@QLL=Barge=90\n"
         "TRADE_REMOVE_SHIP2@QLL=Cruiser;149\nTRADE_ADD_SHIPS@QLL=1\nTRADE_ADD_SHIP1@QLL=Scout;-1\n"
         "TRADE_REMOVE_BLUES@QLL=1\nTRADE_REMOVE_BLUE1@QLL=Scout;100\n"
         "TRADE_ADD_BLUES@Admiral Rhee=2\nTRADE_ADD_BLUE1@Admiral Rhee=Barge;10\nTRADE_ADD_BLUE2@Admiral Rhee=Galleon;10\n"
         "TRADE_ADD_VALUE@Nowhere=5\n");
  auto g = root.Load();
  TradeWithDrifter(*g);
  g->SelectedBlueprint = 1;
  g->RunEvent("EV_TRADE");
  using TLines = std::vector<std::pair<std::string, std::string>>;
  const TTradeInfo& q = *g->TradePosts.Find("QLL");
  EXPECT_TRUE(g->TradePosts.Find("VSK")->Active);
  EXPECT_EQ(q.SellCrew, -5);
  EXPECT_EQ(q.SellFuel, -1);
  EXPECT_EQ(q.BuyFuel, 70);
  EXPECT_EQ(q.BuyShipVal, 0);
  EXPECT_EQ(q.ShipsForSale.Items, (TLines{{"Cruiser", "150"}, {"Scout", "-1"}})) << "only an exact line goes";
  EXPECT_EQ(q.Blueprints.Items, (TLines{{"Barge", "60"}}));
  EXPECT_EQ(g->SelectedBlueprint, 0) << "the screen's selection stays on its shorter list";
  EXPECT_EQ(g->TradePosts.Find("Admiral Rhee")->Blueprints.Items, (TLines{{"Barge", "10"}}));
  EXPECT_EQ(g->Problems.size(), 2u) << ::testing::PrintToString(g->Problems);

  // A line at a negative price is listed but not offered.
  TFleet& p = *g->PlayerFleet();
  p.RU = 100;
  g->SelectedForSale = 1;
  g->BuyShip();
  EXPECT_EQ(p.RU, 100);
  EXPECT_EQ(p.Ships.Count(), 2);

  // The data check names the unknown post and the unknown class, and nothing else of the event.
  const auto lines = CheckStoryFiles(*g);
  std::vector<std::string> trade;
  for (const auto& l : lines)
    if (l.find("EV_TRADE") != std::string::npos) trade.push_back(l);
  ASSERT_EQ(trade.size(), 2u) << ::testing::PrintToString(lines);
  EXPECT_NE(trade[0].find("TRADE_ADD_BLUE2@Admiral Rhee"), std::string::npos) << trade[0];
  EXPECT_NE(trade[1].find("TRADE_ADD_VALUE@Nowhere"), std::string::npos) << trade[1];
}
