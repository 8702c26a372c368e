// Trade and logistics through the headless runner, clicks only: on the tutorial's world a
// Meridian surveyor is brought to Halden on the first day; its fleet panel opens trade at
// Navigator Reyes's post, where the player buys fuel, hires a hand, buys a ship and the
// Sentinel's blueprint (a button the post does not offer stays dead); logistics then builds a
// Sentinel from the new design and recycles it. In the game itself: manufacture and recycling
// follow the abilities every frame, the logistics keys stay dead on the screens that hold the
// keys, and a post's offer below 1 (or a post that is gone) leaves its button dimmed.
#include <filesystem>

#include "campaign/screens/TradeScreens.h"
#include "OpenTutorial.h"
#include "frontend/FrontEndRoot.h"

using namespace sw;

namespace {

// The tutorial's world with a story of the test's own: on the first day the surveyor joins the
// player at Halden, the player gets RUs to spend and burns fuel to make room in the tanks.
void TutorialWithSurveyorAtHome(const TFrontEndRoot& game) {
  const auto tutorial = OwnTutorial(game, {"triggers.adf", "events.adf"});
  TFrontEndRoot::WriteFile((tutorial / "triggers.adf").string(),
                           "[MEET]\nTRIGGER_EVENT=EV_MEET\nTRIGGER_TIME=14;03;2311;\nTRIGGER_EXEC_TIMES=1\n");
  TFrontEndRoot::WriteFile((tutorial / "events.adf").string(),
                           "[EV_MEET]\nTELEPORT@Concord Surveyor=#Halden\nGET_RU=1000\nGIVE_FUEL=150\n");
}

// A click in the middle of a button of that place and size.
std::string Click(int tick, int x, int y, int w = 101, int h = 11) {
  return std::to_string(tick) + " click " + std::to_string(x + w / 2) + " " + std::to_string(y + h / 2) + "\n";
}

bool Offered(const nlohmann::json& c, const std::string& key) {
  return std::find(c["buttons"].begin(), c["buttons"].end(), key) != c["buttons"].end();
}

int Ru(const nlohmann::json& s) { return s["campaign"]["player"]["ru"]; }
int SpareCrew(const nlohmann::json& s) { return s["campaign"]["player"]["crew"]; }
const nlohmann::json& Ships(const nlohmann::json& s) { return s["campaign"]["player"]["ships"]; }

}  // namespace

TEST(TradeWalk, BuyAtAPostThenBuildAndRecycleInLogistics) {
  TFrontEndRoot game;
  TutorialWithSurveyorAtHome(game);

  // The clock is stopped before the first world step, so the surveyor stays at Halden.
  std::string script = OpenTutorial + Click(28, 674, 559, 24, 11);  // "speed0"
  const auto home = game.Run(script, 30);
  ASSERT_FALSE(home.contains("runner_failed"));
  ASSERT_EQ(home["errors"], nlohmann::json::array());
  int fleetRow = 0;
  for (const auto& l : home["campaign"]["locations"])
    if (l["name"] == "Halden")
      for (size_t k = 0; k < l["fleets"].size(); ++k)
        if (l["fleets"][k] == "Concord Surveyor") fleetRow = static_cast<int>(k) + 1;
  ASSERT_GE(fleetRow, 1) << "the surveyor is at Halden";

  // Its fleet panel ("fleetN"), then "trade_fleet".
  script += Click(31, 676, 290 + 12 * (fleetRow - 1)) + Click(35, 248, 128);
  const auto open = game.Run(script, 38);
  const auto& c = open["campaign"];
  ASSERT_EQ(c["subscreen"], 19) << "trade opens at the surveyor's post";
  EXPECT_EQ(c["trade"]["post"], "Navigator Tamsin Reyes");
  EXPECT_EQ(c["speed"], 0);
  const auto& terms = c["trade"]["terms"];
  ASSERT_TRUE(terms.is_object());
  for (const char* key : {"trade_buy_fuel", "trade_hire_crew", "trade_ship_buy", "trade_blue_buy", "trade_ship_sell"})
    EXPECT_TRUE(Offered(c, key)) << key;
  EXPECT_FALSE(Offered(c, "trade_sell_fuel")) << "the post buys no fuel";
  const int ru0 = Ru(open), fuel0 = c["player"]["fuel"], crew0 = SpareCrew(open);
  ASSERT_GE(c["player"]["max_fuel"].get<int>() - fuel0, 100);

  // "Sell 100 FU" is dead here; "Buy 100 FU" fills 100 units at the post's price and
  // "trade_hire_crew" takes one hand on.
  script += Click(40, 502, 445) + Click(44, 502, 458) + Click(48, 502, 506);
  const auto hired = game.Run(script, 51);
  EXPECT_EQ(hired["campaign"]["player"]["fuel"], fuel0 + 100);
  EXPECT_EQ(SpareCrew(hired), crew0 + 1);
  EXPECT_EQ(Ru(hired), ru0 - terms["sell_fuel"].get<int>() - terms["sell_crew"].get<int>());

  // The first ship for sale: a new entry of one ship, crewed from the spare crew. Then the first
  // blueprint, which costs five times the price its ships are then built for, and the player's
  // list two lines down.
  const auto& forSale = terms["ships"][0];
  const auto& blueprint = terms["blueprints"][0];
  const std::string design = blueprint["class"];
  const int cost = blueprint["price"];
  ASSERT_FALSE(c["designs"].contains(design)) << "the player cannot build it before";
  script += Click(52, 169, 524) + Click(56, 169, 400);  // "trade_ship_buy", "trade_blue_buy"
  script += Click(60, 371, 385, 236, 12) + Click(64, 371, 385, 236, 12);  // "trade_sell_ship_scroll_down1"
  const auto bought = game.Run(script, 67);
  ASSERT_EQ(Ships(bought).size(), Ships(hired).size() + 1);
  const auto& entry = Ships(bought).back();
  EXPECT_EQ(entry["class"], forSale["class"]);
  EXPECT_EQ(entry["count"], 1);
  EXPECT_GT(entry["structure"].get<int>(), 0);
  EXPECT_EQ(SpareCrew(bought), SpareCrew(hired) - entry["crew"].get<int>());
  EXPECT_EQ(bought["campaign"]["designs"].value(design, -1), cost);
  EXPECT_EQ(Ru(bought), Ru(hired) - forSale["price"].get<int>() - 5 * cost);
  EXPECT_EQ(bought["campaign"]["selected"]["ship"], 2);

  // Logistics from the player's own fleet panel ("close_menu", "your_fleet", "logeng_fleet"), on
  // the first lines of its lists. The new design is the last line: "prod_scroll_down1" to it (one
  // click past the end), then "produce".
  script += Click(68, 300, 10, 41, 8) + Click(72, 676, 458) + Click(76, 248, 176);
  const int designs = static_cast<int>(bought["campaign"]["designs"].size());
  int tick = 80;
  for (int k = 0; k < designs; ++k, tick += 4) script += Click(tick, 267, 172, 236, 12);
  script += Click(tick, 402, 191);
  const auto built = game.Run(script, tick + 3);
  ASSERT_EQ(built["campaign"]["subscreen"], 12);
  EXPECT_EQ(built["campaign"]["trade"]["selected_design"], designs - 1) << "the selection stops on the last line";
  ASSERT_EQ(Ships(built).size(), Ships(bought).size() + 1);
  EXPECT_EQ(Ships(built).back()["class"], design);
  EXPECT_EQ(Ru(built), Ru(bought) - cost);

  // "prod_scroll_down2" to the new Sentinel, then "scrap": its structure comes back as RUs and its
  // crew to the spare crew.
  const int last = static_cast<int>(Ships(built).size()) - 1;
  tick += 4;
  for (int k = 0; k < last; ++k, tick += 4) script += Click(tick, 267, 339, 236, 12);
  script += Click(tick, 402, 358);
  // Logistics opened again starts on the first design.
  script += Click(tick + 4, 300, 10, 41, 8) + Click(tick + 8, 676, 458) + Click(tick + 12, 248, 176);
  const auto scrapped = game.Run(script, tick + 15);
  EXPECT_EQ(scrapped["campaign"]["subscreen"], 12);
  EXPECT_EQ(scrapped["campaign"]["trade"]["selected_design"], 0);
  EXPECT_EQ(Ships(scrapped), Ships(bought));
  const auto& sentinel = Ships(built).back();
  EXPECT_EQ(Ru(scrapped), Ru(built) + sentinel["structure"].get<int>());
  EXPECT_EQ(SpareCrew(scrapped), SpareCrew(built) + sentinel["crew"].get<int>());
  EXPECT_EQ(scrapped["errors"], nlohmann::json::array());
}

TEST(TradeWalk, AbilitiesPricesAndHeldScreensDecideWhatTheEconomysButtonsDo) {
  TFrontEndRoot root;
  TCampaignEnv env;
  env.ProgramFolder = root.Root;
  env.DataFolder = root.Root + "data/";
  env.GraphicsFolder = root.Root + "graphics/";
  env.SavesFolder = root.Root + "saves/";
  env.MusicFolder = root.Root + "sounds/music/";
  TGameMain g(env, "tutorial\\", "", "");
  auto available = [&](const char* key) { return g.Buttons->Find(key).Alpha > AlphaDimmed; };
  TFleet& player = *g.PlayerFleet();
  player.RU = 5000;

  // Abilities gained later in the story make manufacture and recycling available again.
  g.CanBuild = g.CanRecycle = false;
  SetLogisticsAvailability(g);
  EXPECT_FALSE(available("produce"));
  EXPECT_FALSE(available("scrap"));
  g.CanBuild = g.CanRecycle = true;
  SetLogisticsAvailability(g);
  EXPECT_TRUE(available("produce"));
  EXPECT_TRUE(available("scrap"));

  // While the encounter menu holds the keys, logistics neither opens nor builds.
  const int entries = player.Ships.Count();
  g.ShowScreen(csEncounter);
  EXPECT_TRUE(RouteEconomyKey(g, "logeng_fleet"));
  EXPECT_TRUE(RouteEconomyKey(g, "produce"));
  EXPECT_EQ(g.SubScreen(), csEncounter);
  EXPECT_EQ(player.Ships.Count(), entries);
  // On the logistics screen the design list stops at its last line and "produce" builds it.
  g.ShowScreen(csFleetPanel);
  RouteEconomyKey(g, "logeng_fleet");
  ASSERT_EQ(g.SubScreen(), csLogistics);
  for (int k = 0; k <= g.Designs.Count(); ++k) RouteEconomyKey(g, "prod_scroll_down1");
  EXPECT_EQ(g.SelectedDesign, g.Designs.Count() - 1);
  RouteEconomyKey(g, "produce");
  ASSERT_EQ(player.Ships.Count(), entries + 1);
  EXPECT_EQ(player.Ships.At(entries)->ShipClass, g.Designs.Items.back().first);

  // The trade list of the player's ships walks the player's own fleet, whichever fleet the panel
  // showed before.
  g.SelectedFleet = g.Fleets.IndexOf("Choir Caravan");
  g.SelectedShip = 0;
  for (int k = 0; k <= entries + 1; ++k) RouteEconomyKey(g, "trade_sell_ship_scroll_down1");
  EXPECT_EQ(g.SelectedShip, entries);

  // A post whose fuel price an event set below 1 does not sell fuel; a post that is gone offers
  // nothing at all.
  g.TradePost = "SYL";
  TTradeInfo* post = g.TradePosts.Find("SYL");
  ASSERT_NE(post, nullptr);
  player.Fuel = player.MaxFuel - 100;  // room in the tanks: full tanks take no fuel
  player.RU = 1000;
  SetTradeAvailability(g);
  EXPECT_TRUE(available("trade_buy_fuel"));
  post->SellFuel = -10;
  SetTradeAvailability(g);
  EXPECT_FALSE(available("trade_buy_fuel"));
  EXPECT_TRUE(available("trade_hire_crew"));
  g.TradePost = "Nobody";
  SetTradeAvailability(g);
  for (const char* key : {"trade_blue_buy", "trade_ship_buy", "trade_ship_sell", "trade_sell_fuel", "trade_buy_fuel",
                          "trade_hire_crew"})
    EXPECT_FALSE(available(key)) << key;
}
