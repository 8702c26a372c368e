// The fleet panel and the combat set-up over the built tutorial (read only): which fleet the
// side menu's buttons open, what the panel offers for the player's own fleet and for another
// one near and far, the list that follows its selection, the set-up's texts and slot buttons,
// ships given back when another screen takes over, and ship pictures loaded on first use.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "campaign/GameMain.h"
#include "campaign/screens/CombatScreen.h"
#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/ShipPictures.h"
#include "core/Adf.h"

using namespace sw;

namespace {

class FleetScreens : public ::testing::Test {
protected:
  void Load(bool pictures) {
    AdfFlushCache();
    const std::string root = std::string(STARWAKE_TEST_ROOT) + "/";
    TCampaignEnv env;
    env.ProgramFolder = root;
    env.DataFolder = root + "data/";
    env.GraphicsFolder = root + "graphics/";
    env.SavesFolder = root + "saves/";
    env.MusicFolder = root + "sounds/music/";
    env.Images = pictures ? &Images : nullptr;
    env.Report = [this](const std::string& message) { Reports.push_back(message); };
    Game = std::make_unique<TGameMain>(env, "tutorial\\", "", "");
    Reports.clear();
  }
  void SetUp() override { Load(false); }

  TGameMain& G() { return *Game; }
  TFleet& Player() { return *Game->PlayerFleet(); }
  TFleet& Fleet(const std::string& name) { return *Game->FindFleet(name); }
  int LocationIndex(const std::string& name) { return Game->Locations.IndexOf(name); }
  bool Dimmed(const std::string& key) { return Game->Buttons->Find(key).Alpha == AlphaDimmed; }
  // Moves a fleet from where it is into a location.
  void MoveTo(const std::string& fleet, const std::string& location) {
    for (int i = 0; i < Game->Locations.Count(); ++i) {
      auto& names = Game->Locations.At(i)->FleetNames;
      for (size_t k = names.size(); k-- > 0;)
        if (names[k] == fleet) names.erase(names.begin() + static_cast<long>(k));
    }
    TLocation& loc = *Game->FindLocation(location);
    loc.FleetNames.push_back(fleet);
    Fleet(fleet).System = location;
    Fleet(fleet).X = loc.X;
    Fleet(fleet).Y = loc.Y;
  }
  std::vector<int> Counts(const TFleet& f) {
    std::vector<int> counts;
    for (int i = 0; i < f.Ships.Count(); ++i) counts.push_back(f.Ships.At(i)->Count);
    return counts;
  }

  TDXImageList Images;
  std::vector<std::string> Reports;
  std::unique_ptr<TGameMain> Game;
};

const char* const EconomyButtons[] = {"logeng_fleet",        "ship_scroll_left_1", "ship_scroll_right_1",
                                      "ship_scroll_left_2",  "ship_scroll_right_2", "full_scroll_left_1",
                                      "full_scroll_right_1", "full_scroll_left_2",  "full_scroll_right_2"};

}  // namespace

TEST_F(FleetScreens, ThePanelOpensFleetsInSensorRangeAndOffersWhatRangeAndRelationAllow) {
  // "your_fleet" from far away: the map comes back to Halden, the player's own panel opens.
  G().MapOffsetX = G().MapOffsetY = 0;
  G().SelectedLocation = LocationIndex("Mirren");
  OpenOwnFleet(G());
  EXPECT_EQ(G().SubScreen(), csFleetPanel);
  EXPECT_EQ(G().SelectedFleet, 0);
  EXPECT_EQ(G().SelectedShip, 0);
  EXPECT_EQ(G().SelectedLocation, LocationIndex("Halden"));
  EXPECT_EQ(G().MapOffsetY, -600) << "centred on Halden as far as the map's edge allows";
  SetFleetPanelAvailability(G());
  for (const char* key : {"hail_fleet", "trade_fleet", "attack_fleet"}) EXPECT_TRUE(Dimmed(key)) << key;
  for (const char* key : EconomyButtons) EXPECT_FALSE(Dimmed(key)) << key;
  EXPECT_TRUE(FleetVisible(G(), 0));

  // The ship list stops at its ends.
  const int entries = Player().Ships.Count();
  for (int i = 0; i < entries + 2; ++i) ScrollFleetShips(G(), 1);
  EXPECT_EQ(G().SelectedShip, entries - 1);
  for (int i = 0; i < entries + 2; ++i) ScrollFleetShips(G(), -1);
  EXPECT_EQ(G().SelectedShip, 0);

  // Mirren lies 228 from Halden, beyond the sensors' 200: its fleet cannot be picked.
  G().ShowScreen(csMap);
  G().SelectedLocation = LocationIndex("Mirren");
  ASSERT_EQ(G().FindLocation("Mirren")->FleetNames, std::vector<std::string>{"Brood Straggler"});
  EXPECT_FALSE(OpenLocationFleet(G(), 1));
  EXPECT_EQ(G().SubScreen(), csMap);
  // From 42 away the straggler is sensed but not scanned, and out of reach of hail and guns.
  Player().X = 150;
  Player().Y = 1050;
  EXPECT_FALSE(OpenLocationFleet(G(), 2)) << "Mirren holds one fleet";
  ASSERT_TRUE(OpenLocationFleet(G(), 1));
  EXPECT_EQ(G().SubScreen(), csFleetPanel);
  EXPECT_EQ(G().SelectedFleet, G().Fleets.IndexOf("Brood Straggler"));
  EXPECT_FALSE(FleetVisible(G(), G().SelectedFleet));
  SetFleetPanelAvailability(G());
  for (const char* key : {"hail_fleet", "trade_fleet", "attack_fleet"}) EXPECT_TRUE(Dimmed(key)) << key;
  for (const char* key : EconomyButtons) EXPECT_TRUE(Dimmed(key)) << key;
  // At Mirren itself: hail and attack (the Vaskar are hostile); no trade post to trade with.
  Player().X = 120;
  Player().Y = 1080;
  EXPECT_TRUE(FleetVisible(G(), G().SelectedFleet));
  SetFleetPanelAvailability(G());
  EXPECT_FALSE(Dimmed("hail_fleet"));
  EXPECT_FALSE(Dimmed("attack_fleet"));
  EXPECT_TRUE(Dimmed("trade_fleet"));
  EXPECT_TRUE(Dimmed("logeng_fleet"));
  // A friendly race is not attacked.
  G().Relations.Set("VSK", "71");
  SetFleetPanelAvailability(G());
  EXPECT_TRUE(Dimmed("attack_fleet"));
}

TEST_F(FleetScreens, ListsFollowTheirSelectionOneRowPerFrame) {
  // Ten entries, six rows, the eighth entry selected: three frames bring it to the sixth row.
  int offset = 0;
  std::vector<int> offsets;
  for (int frame = 0; frame < 5; ++frame) offsets.push_back(offset = FollowSelection(offset, 8, 6));
  EXPECT_EQ(offsets, (std::vector<int>{-1, -2, -3, -3, -3}));
  // Back to the first entry, the list scrolls back one row a frame too.
  for (int frame = 0; frame < 2; ++frame) offset = FollowSelection(offset, 0, 6);
  EXPECT_EQ(offset, -1);
  EXPECT_EQ(FollowSelection(offset, 0, 6), 0);
  EXPECT_EQ(FollowSelection(0, 6, 7), 0) << "the seventh row of the fleet panel is still shown";
}

TEST_F(FleetScreens, TheCombatSetUpTellsTheBattleAndGivesShipsBackWhenLeftWithoutLaunch) {
  MoveTo("Halden Vanguard", "Mirren");
  G().SelectedLocation = LocationIndex("Mirren");
  G().SelectedFleet = G().Fleets.IndexOf("Brood Straggler");
  const std::vector<int> before = Counts(Player());
  ASSERT_TRUE(G().Attack());
  EXPECT_EQ(CombatLocationText(G()), "Location : Mirren star system");
  EXPECT_EQ(CombatPlanetText(G()), "Planet : Present");
  EXPECT_EQ(CombatAsteroidText(G()), "Asteroid density : None");
  G().FillSlot(1);
  G().SelectEnemies();
  EXPECT_EQ(ForcesRatioText(G().ForcesRatio()), "Forces ratio : 4 to 1");
  EXPECT_EQ(EnemyShips(G()), 1) << "the straggler's one ship, slotted";
  ASSERT_NE(Counts(Player()), before);

  // While the set-up is shown the slots stay; an event taking the screen gives them back.
  KeepSlotsWithCombatScreen(G());
  EXPECT_EQ(G().PlayerFlagship, 0);
  G().ShowScreen(csEvent);
  KeepSlotsWithCombatScreen(G());
  EXPECT_EQ(Counts(Player()), before);
  EXPECT_EQ(Counts(Fleet("Brood Straggler")), std::vector<int>{1});
  for (int slot : {G().PlayerFlagship, G().PlayerSupport1, G().PlayerSupport2, G().EnemyFlagship,
                   G().EnemySupport1, G().EnemySupport2})
    EXPECT_EQ(slot, -1);

  // At home the Guard's starbase joins the player; with it in the fight there is no planet.
  MoveTo("Halden Vanguard", "Halden");
  MoveTo("Brood Straggler", "Halden");
  G().SelectedLocation = LocationIndex("Halden");
  G().SelectedFleet = G().Fleets.IndexOf("Brood Straggler");
  ASSERT_TRUE(G().Attack());
  EXPECT_EQ(CombatPlanetText(G()), "Planet : Present");
  EXPECT_EQ(CombatAsteroidText(G()), "Asteroid density : Low");
  G().SelectedShip = Player().Ships.Count() - 1;
  ASSERT_EQ(Player().Ships.At(G().SelectedShip)->ShipClass, "TFG_Citadel");
  G().FillSlot(1);
  EXPECT_EQ(CombatPlanetText(G()), "Planet : Not present");
  G().ShowScreen(csMap);
  KeepSlotsWithCombatScreen(G());
  EXPECT_EQ(Counts(Player()), before) << "the starbase went back to its place";
  EXPECT_EQ(G().FindLocation("Halden")->Starbase, "TFG_Citadel");

  // The Kru watch at Lattice Deep fights beside its starbase.
  MoveTo("Halden Vanguard", "Lattice Deep");
  G().SelectedLocation = LocationIndex("Lattice Deep");
  G().SelectedFleet = G().Fleets.IndexOf("Lattice Deep Watch");
  ASSERT_TRUE(G().Attack());
  EXPECT_EQ(G().EnemyStarbaseClass, "TFG_Citadel");
  EXPECT_EQ(CombatLocationText(G()), "Location : Lattice Deep");
  EXPECT_EQ(CombatPlanetText(G()), "Planet : Not present");
  G().SelectEnemies();
  EXPECT_EQ(EnemyShips(G()), 4) << "the watch's three ships and the base";
  G().ShowScreen(csMap);
  KeepSlotsWithCombatScreen(G());
  EXPECT_EQ(Counts(Fleet("Lattice Deep Watch")), (std::vector<int>{1, 2}));

  // The ratio texts and the slots each ratio leaves open.
  EXPECT_EQ(ForcesRatioText(-3), "Forces ratio :  1 to 3");
  EXPECT_EQ(ForcesRatioText(-1), "Forces ratio :  1 to 1");
  const auto open = [&](int ratio) {
    SetCombatAvailability(G(), ratio);
    std::string keys;
    for (const char* key : {"Plus1", "Minus1", "Plus2", "Minus2", "Plus3", "Minus3"})
      if (!Dimmed(key)) keys += std::string(key) + " ";
    return keys;
  };
  EXPECT_EQ(open(-3), "Plus1 Minus1 ");
  EXPECT_EQ(open(-2), "Plus1 Minus1 Plus2 Minus2 ");
  EXPECT_EQ(open(2), "Plus1 Minus1 Plus2 Minus2 ");
  EXPECT_EQ(open(-1), "Plus1 Minus1 Plus2 Minus2 Plus3 Minus3 ");
  EXPECT_EQ(open(3), "Plus1 Minus1 Plus2 Minus2 Plus3 Minus3 ");
}

TEST_F(FleetScreens, ShipPicturesAreLoadedOnFirstUseAndAMissingOneIsReportedOnce) {
  Load(true);
  ASSERT_FALSE(Images.Has("ship_tfg_citadel")) << "the campaign loads no ship picture up front";
  const TImageItem* base = CampaignShipPicture(G(), "TFG_Citadel");
  ASSERT_NE(base, nullptr) << "a starbase, offered in no dogfight, still has its picture";
  EXPECT_GT(base->Width(), 0);
  EXPECT_EQ(CampaignShipPicture(G(), "TFG_Citadel"), base) << "loaded once";
  EXPECT_EQ(CampaignShipPicture(G(), "NO_SUCH_CLASS"), nullptr);

  // Every class the tutorial's fleets fly and every starbase on its map has its picture.
  for (int f = 0; f < G().Fleets.Count(); ++f)
    for (int i = 0; i < G().Fleets.At(f)->Ships.Count(); ++i) {
      const std::string& shipClass = G().Fleets.At(f)->Ships.At(i)->ShipClass;
      EXPECT_NE(CampaignShipPicture(G(), shipClass), nullptr) << shipClass;
    }
  for (int l = 0; l < G().Locations.Count(); ++l)
    if (!G().Locations.At(l)->Starbase.empty()) {
      EXPECT_NE(CampaignShipPicture(G(), G().Locations.At(l)->Starbase), nullptr) << G().Locations.At(l)->LocName;
    }
  ASSERT_EQ(Reports, std::vector<std::string>());

  G().FindShipInfo("TFG_Kestrel")->BmpImage = "no_such_picture";
  EXPECT_EQ(CampaignShipPicture(G(), "TFG_Kestrel"), nullptr);
  EXPECT_EQ(CampaignShipPicture(G(), "TFG_Kestrel"), nullptr);
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_NE(Reports[0].find("no_such_picture"), std::string::npos) << Reports[0];

  // The article: the Bastion's own schematic and its description; a class whose picture name has
  // no schematic shows on the plain sheet.
  TShipArticle article;
  article.Show(G(), "TFG_Bastion");
  EXPECT_TRUE(article.OwnSchematic());
  EXPECT_FALSE(article.Lines().empty());
  ASSERT_TRUE(Images.Has("blueprint"));
  const std::vector<uint16_t> schematic = Images.Find("blueprint").Pixels();
  G().FindShipInfo("VSK_Spore")->BmpImage = "no_schematic_drawn";
  article.Show(G(), "VSK_Spore");
  EXPECT_FALSE(article.OwnSchematic());
  ASSERT_TRUE(Images.Has("blueprint"));
  EXPECT_NE(Images.Find("blueprint").Pixels(), schematic) << "the plain sheet took the schematic's place";
  EXPECT_EQ(Reports.size(), 1u) << "nothing else went missing";
}
