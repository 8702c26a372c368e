#pragma once
// The running campaign: the whole world of one campaign (locations, fleets, races, classes,
// story lists, the star date), its loading from the campaign's files, the clock and the
// world step, and the look-ups the campaign screens use. The model makes no SDL call: what
// it needs of the game around it (folders, the campaign's image list, sounds, the error
// report, the sub-screen being shown) comes in through TCampaignEnv.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "campaign/Story.h"
#include "campaign/World.h"
#include "media/Button.h"
#include "media/ImageList.h"
#include "media/Surface.h"
#include "media/WaveList.h"

namespace sw {

struct TCampaignEnv {
  // Folders of the game root, each with a trailing '/' (the program folder holds battle.adf and
  // outcome.adf).
  std::string ProgramFolder, DataFolder, GraphicsFolder, SavesFolder, MusicFolder;
  // The campaign's image list and the sound list; null: no pictures or sounds are loaded
  // (rule tests and the data check).
  TDXImageList* Images = nullptr;
  TDXWaveList* Waves = nullptr;
  // The back buffer the campaign's buttons draw on; may be null when nothing is drawn.
  TSurface* Surface = nullptr;
  // The campaign sub-screen shown by the main window; null: the campaign keeps its own.
  uint8_t* SubScreen = nullptr;
  // Reports a data error or another problem the game survives; may be empty.
  std::function<void(const std::string&)> Report;
};

// The campaign sub-screens.
enum TCampaignScreen : uint8_t {
  csMap = 1,
  csSystem = 2,
  csPlanets = 3,
  csFleets = 4,
  csPlanetPanel = 5,
  csFleetPanel = 6,
  csMoveOrder = 7,
  csCommunication = 8,
  csEncounter = 9,
  csCombat = 10,
  csLogs = 11,
  csLogistics = 12,
  csEvent = 13,
  csLanding = 14,
  csMining = 15,
  csDatabase = 17,
  csFindAStar = 18,
  csTrade = 19,
};

// Map scrolling directions: the way the view moves over the map. Left shows what lies to the
// left (MapOffsetX + 10), right MapOffsetX - 10, up MapOffsetY + 10, down MapOffsetY - 10.
enum TScrollDir { sdLeft, sdRight, sdUp, sdDown };

class TGameMain {
public:
  // The files of the campaign screens' pictures below the graphics folder ("dbmenu.img", ...).
  static std::vector<std::string> ScreenPictureFiles();
  // Loads the campaign of that folder (empty: "tutorial\"), from the save slot folder when it
  // is set, under that title (empty: "Starwake : Tutorial"), and leaves it on its map with the
  // clock at speed 1. A campaign without a player's fleet is refused with an EGameError.
  TGameMain(const TCampaignEnv& env, const std::string& campaignFolder, const std::string& saveFolder,
            const std::string& title);
  ~TGameMain();

  TCampaignEnv Env;

  std::string CampaignFolder, SaveFolder, Title;
  TNamedList<TLocation> Locations;
  TNamedList<TFleet> Fleets;  // entry 0 is the player's fleet
  TNamedList<TRaceInfo> Races;  // the campaign's races, then "NONE"
  TNamedList<TShipInfo> ShipInfos;
  TNamedList<TWeapInfo> WeaponInfos;
  TNamedList<TCharacter> Characters;
  std::vector<std::string> States;
  TNameValueList Relations;  // race = 0..100
  TNameValueList Designs;    // class = cost in RUs
  TNameValueList Logs;       // title = status
  std::vector<std::string> DbEntries;
  TNamedList<TDBMiscEnt> MiscEntries;
  TNamedList<TDBArtEnt> ArtEntries;
  std::vector<std::string> EventText;

  // The star date counts whole minutes since the calendar's day 0 (30 December 1899), so
  // world steps come at exact tick counts at every speed.
  long long StarDateMinutes = 0;
  long long LastStepMinutes = 0;
  int Speed = 1;
  int MapOffsetX = -400, MapOffsetY = -600;
  int SelectedLocation = -1, SelectedPlanet = -1, SelectedFleet = -1, SelectedShip = -1;
  int ComRange = 5, ScanRange = 30, SensorRange = 200, InterceptRange = 45;
  bool CanTrade = false, CanMine = false, CanBuild = false, CanRecycle = false, CanLand = false;
  bool GameOver = false;

  // The buttons of every campaign screen (each answers in its own sub-screen, 0 = all).
  std::unique_ptr<TButtonList> Buttons;
  // The player's fuel as the map saw it at the previous frame (the low-fuel warning).
  int PreviousFuel = 0;
  // Every data problem found while loading, as "FILE:SECTION:KEY: message".
  std::vector<std::string> Problems;

  // ---- The star date ----
  double StarDateDays() const { return static_cast<double>(StarDateMinutes) / 1440.0; }
  struct TDateParts {
    int Day, Month, Year, Hour, Minute;
  };
  TDateParts StarDateParts() const { return DateParts(StarDateMinutes); }
  // The calendar date and time of day of a count of star-date minutes.
  static TDateParts DateParts(long long minutes);
  // Minutes since day 0 of a calendar date (Gregorian).
  static long long DateToMinutes(int day, int month, int year);

  // ---- Look-ups ----
  TFleet* PlayerFleet() const { return Fleets.At(0); }
  TLocation* FindLocation(const std::string& name) const { return Locations.Find(name); }
  TFleet* FindFleet(const std::string& name) const { return Fleets.Find(name); }
  TRaceInfo* FindRace(const std::string& key) const { return Races.Find(key); }
  TShipInfo* FindShipInfo(const std::string& key) const { return ShipInfos.Find(key); }
  TWeapInfo* FindWeapInfo(const std::string& key) const { return WeaponInfos.Find(key); }
  TCharacter* FindCharacter(const std::string& name) const { return Characters.Find(name); }
  // The last entry of the fleet whose class is that key, -1 when none.
  static int LastShipOfClass(const TFleet& fleet, const std::string& shipClass);
  // The index of the location whose fleet list holds the fleet's name, -1 when none.
  int WhereIsFleet(const std::string& fleetName) const;
  // The fleet's speed: its slowest class's MAX_SPEED rounded, at least 1, plus WarpMod; 999
  // plus WarpMod without ships.
  int FleetSpeed(const TFleet& fleet) const;
  // The race's attitude toward the player, 0..100; a race not listed reads as neutral (50).
  int Relation(const std::string& race) const;
  // True when the map point lies closer to the player's fleet than the range.
  bool WithinRange(int x, int y, int range) const;
  // The race's colour, or the "NONE" race's when the key is unknown.
  TColor RaceColor(const std::string& race) const;
  // The index of the fleet location that carries the fleet, -1 when it is at a location.
  int FleetLocationOf(const std::string& fleetName) const;
  // The location the player's fleet is at (its system, or its fleet location), -1 when none.
  int PlayerLocation() const;

  // ---- The map ----
  // One step of 10 in a direction, clamped to -954..0 and -600..0.
  void ScrollMap(TScrollDir dir);
  void ClampMapOffset();
  // Centres the view on a location (clamped).
  void CenterOn(int locationIndex);
  // The first location whose marker box strictly contains the screen point and that is a star
  // system, known, or a fleet location the map shows (the player's own, or one within sensor
  // range); -1 when none.
  int LocationUnderPointer(int screenX, int screenY) const;

  // ---- Fleets in open space ----
  // Appends a fleet location for a fleet in open space, at its position.
  TLocation* MakeFleetLocation(TFleet& fleet);
  // Removes a location (a fleet location, or any) keeping the selections on the same objects.
  void RemoveLocation(int index);
  // Removes a fleet from the world (never the player's): its name leaves every location's
  // fleet list, its fleet location goes, destinations naming it are cleared, and the
  // selections keep pointing at the same objects (the player's when theirs went).
  void RemoveFleet(int fleetIndex);

  // ---- The clock ----
  // The main window's frame update while the campaign is live: (trigger checks,) the clock,
  // and the world step when due. Ghost mode keeps patrols from locking on.
  void FrameUpdate(bool ghostMode);
  // Sets the clock speed and shows it on the speed buttons.
  void SetSpeed(int speed);
  void WorldStep(bool ghostMode);
  void Discovery();
  void Departures();
  void FlightAndArrivals();
  void HostileCheck();
  void PatrolOrders(bool ghostMode);
  void TraderOrders();
  void SpawnPatrols();
  // Marks a location known; a wormhole also makes its other end known.
  void MakeKnown(TLocation& location);
  // "fuellow" once each time the player's fuel falls below a fifth of its capacity; the map calls
  // it every frame it is drawn.
  void CheckFuelWarning();

  // ---- The story (Triggers.cpp, Events.cpp) ----
  TNamedList<TTrigger> Triggers;
  // Reads the triggers of triggers.adf (from the save slot when one is set) into Triggers.
  void ReadTriggers();
  // The per-frame trigger checks (date, area, location), also while the clock is stopped.
  void CheckTriggers();
  // Fires one trigger: when its states are all set and it has executions left, it runs its event.
  void FireTrigger(int index);
  // The player gains or loses a device or VIP, firing the matching triggers.
  void GainDevice(const std::string& device);
  void LoseDevice(const std::string& device);
  void GainVip(const std::string& vip);
  void LoseVip(const std::string& vip);
  // Fires the triggers of a talk's partner character, then of its race.
  void TalkTriggers(const std::string& character, const std::string& race);
  // A fleet was destroyed (by an event or a battle): its KillFleet triggers fire.
  void FleetDestroyed(const std::string& fleetName);
  // The player lost a ship of that class (battle, sale, scrapping): its LooseShip triggers fire.
  void ShipLost(const std::string& shipClass);
  // Runs an event of events.adf by name, at once; events nest at most 32 deep.
  void RunEvent(const std::string& name);
  // The event screen's "close_menu": true when the game is over and the campaign must be left
  // for the main menu; otherwise the map returns.
  bool CloseEventScreen();

  // ---- Talks (Talk.cpp) ----
  int ComMode = 0;  // 0 a fleet, 1 a planet, 2 an internal talk with a character
  std::string DialogFile;
  std::string TalkSection, TalkPartner, TalkRace;
  std::vector<std::string> ReplyLines;
  TNamedList<TRespond> Responds;  // "RESPOND1" ...
  std::vector<std::string> RaceInfoLines;
  // Opens a talk: mode 0 with the selected fleet, 1 with the selected planet, 2 internally with
  // the named character (the event key "ENVOKE_DIALOG").
  void OpenTalk(int mode, const std::string& partner = "");
  // Talks opened so far: an answer's event that opens another talk is noticed by it.
  int TalkCount = 0;
  // The communication screen's static over the portrait: the level (per cent of quiet rows)
  // moves one step a frame toward its target.
  int NoiseLevel = 0, NoiseTarget = 0;
  // Chooses answer 0, 1 or 2 of the section shown. A section without answers offers one that
  // ends the talk.
  void ChooseAnswer(int answer);
  // Loads a section of DialogFile; a missing file or section reads as one without lines.
  void LoadSection(const std::string& section);
  // The data check of the campaign's dialogue files: every answer can be read and its next
  // section is in its file.
  void CheckDialogues();

  // ---- Campaign battles (CampaignBattle.cpp) ----
  // The six battle slots: indexes into the player's and the selected fleet's Ships, -1 empty.
  int PlayerFlagship = -1, PlayerSupport1 = -1, PlayerSupport2 = -1;
  int EnemyFlagship = -1, EnemySupport1 = -1, EnemySupport2 = -1;
  std::string PlayerStarbaseClass, EnemyStarbaseClass;
  // Opens the combat set-up against the selected fleet; false (nothing changes) when either
  // side cannot field a flagship. An attack the player started (fleet panel, encounter menu)
  // can be called off; one the other side forces (a talk's battle) cannot.
  bool Attack(bool playerStarted = false);
  // The combat set-up's close button: calls off an attack the player started, giving the
  // slotted ships back and showing the screen the attack came from with the clock stopped.
  // False, and nothing changes, when there is no such attack.
  bool CancelAttack();
  bool AttackCancellable = false;
  uint8_t ScreenBeforeAttack = csMap;
  // Puts the selected entry of the player's fleet into slot 1 (flagship), 2 or 3, or empties it.
  void FillSlot(int slot);
  void ClearSlot(int slot);
  // Gives every slotted ship back to its entry (any way out of the combat set-up but launch).
  void GiveBackSlots();
  // The forces ratio: n for n to 1 in the player's favour, -n for 1 to n.
  int ForcesRatio() const;
  // The enemy's slots follow the ratio; run every frame while the combat set-up is shown.
  void SelectEnemies();
  // Writes battle.adf in the program folder; true when a battle is to start.
  bool Launch();
  // Takes the outcome of the battle the campaign started back into the world.
  void ProcessOutcome();
  // Removes the beaten enemy fleet (also the combat set-up's Ctrl+Alt+F2).
  void RemoveEnemyFleet();

  // ---- Trade and the fleet economy (Economy.cpp) ----
  TNamedList<TTradeInfo> TradePosts;  // by post name: a character's name or a race key
  std::string TradePost, TradeRace;   // the post of the trade screen shown, and its race
  // Selections of the economy's lists: the trade post's blueprints and ships for sale, the
  // player's designs (SelectedShip is the selected entry of the player's fleet there).
  int SelectedBlueprint = 0, SelectedForSale = 0, SelectedDesign = 0;
  // Reads trade.adf (from the save slot when set) into TradePosts.
  void ReadTradePosts();
  // The post a fleet trades at (its commander's when one is listed, else its race's); null when
  // none. ActivePostOf also needs the post to be active.
  TTradeInfo* PostOf(const TFleet& fleet, std::string* postName = nullptr) const;
  TTradeInfo* ActivePostOf(const TFleet& fleet) const;
  // Opens the trade screen with the selected fleet (the fleet panel, the encounter menu) or a
  // talk's partner ("#TRADE"); false, and nothing changes, when there is no post to open.
  bool OpenTrade();
  bool OpenTradeWith(const std::string& partner, const std::string& race);
  void BuyFuel();
  void SellFuel();
  void HireCrew();
  void BuyShip();
  void SellShip();
  void BuyBlueprint();
  void Manufacture();
  void Recycle();
  void CrewOneMore();
  void CrewOneLess();
  void CrewFull();
  void CrewToOne();
  void RepairOne();
  void StripOne();
  void RepairFull();
  void StripToOne();
  // The price the current post pays for an entry of the player's fleet.
  int SalePrice(const TShip& entry) const;
  // The post of the trade screen shown (TradePost), null when there is none.
  TTradeInfo* CurrentPost() const;
  // The post a talk's partner trades at: the partner's own when it is a character with a post,
  // else the race's (no race: none).
  TTradeInfo* PostFor(const std::string& partner, const std::string& race, std::string* postName = nullptr) const;
  // The selected entry of the player's own fleet (null when another fleet is selected), and its
  // class when asked.
  TShip* SelectedOwnEntry(const TShipInfo** info = nullptr) const;
  // The talk's portrait "com_pic" (a character's image, or race + "0") and the race's six lines of
  // the communication and trade screens (Talk.cpp).
  void LoadComPortrait(const std::string& portrait);
  void FillRaceInfoLines(const std::string& race);

  // ---- Planets: landing and mining (Expedition.cpp) ----
  int ExpeditionTime = 0, PartySize = 0, Casualties = 0, PendingCasualties = 0;
  std::string ResistanceText, FoundArtifact, FoundVip;
  int MinedPortion = 0, MinedRest = 0, StageInterval = 0;
  int Portions[10] = {};
  // The planet the expedition went down to (by name, so a list changing meanwhile cannot send
  // it to another one), how many portions are up and how many RUs they made.
  std::string ExpeditionLocation, ExpeditionPlanet;
  int PortionsMined = 0, MinedSoFar = 0;
  // The selected planet of the selected location; null when there is none.
  TPlanet* CurrentPlanet() const;
  // Hail, land and mine are offered for the selected planet: the location within ComRange, the
  // planet approachable; hail needs people there, land and mine spare crew and the story's leave.
  bool CanHailPlanet() const;
  bool CanLandOnPlanet() const;
  bool CanMinePlanet() const;
  // The party goes down to the selected planet and the landing or mining screen opens; false,
  // and nothing changes, when the action is not offered.
  bool StartLanding();
  bool StartMining();
  // What the party meets on a planet of that owner: a draw 0..299 against the population, and
  // for a hostile owner a draw 0..109 for the casualties (a twentieth of it, at most the party).
  void MeetResistance(const TPlanet& planet, const std::string& owner, int resistanceDraw, int casualtyDraw);
  // One frame of the landing or the mining screen: the time grows by the clock's speed and what
  // falls due happens; at the end the planet panel returns.
  void LandingTick();
  void MiningTick();
  // The landing or mining screen is left (by any button, key or event): the party's casualties
  // are counted at once.
  void RecallExpedition();

  // ---- The database, the mission log and find a star (Archive.cpp) ----
  int DbCategory = 0;                    // 0 races, 1 vessels, 2 weapons, 3 artifacts, 4 characters, 5 misc
  std::vector<std::string> DbNames;      // the names of the category shown
  int DbIndex = 0, DbOffset = 0;         // the selected name and the list's scroll offset
  std::vector<std::string> ArticleLines; // the article shown
  int LogPage = 0, LogPageCount = 0;
  std::string SearchText;
  int CaretCounter = 0;
  // Opens the database on a category at a name's index (0 when opening).
  void ShowDbCategory(int category, int index = 0);
  // Opens the vessels category at a class (the logistics screen's "dbase1"/"dbase2", the fleet
  // panel); false when the class is not unlocked.
  bool ShowVesselArticle(const std::string& shipClass);
  // Owning a ship or a design of a class puts its vessel entry in the database: one class (false
  // when the campaign has no such class), or every class the player owns.
  bool UnlockVessel(const std::string& shipClass);
  void UnlockOwnedVessels();
  // True while the picture "blueprint" holds the article's own picture (a race's portrait, a
  // vessel's schematic, a character's portrait, a misc picture); false when it has none.
  bool ArticlePicture = false;
  // The database's prefix of a category ("RACE@" ... "MISC@"); empty outside 0..5.
  static std::string DbPrefix(int category);
  // What the list shows for a name of the category shown: a race's or class's display name, a
  // weapon's "Display", an artifact's or misc entry's title, a character's own name.
  std::string DbTitle(const std::string& name) const;
  // One value line of a vessel or weapon article: column 0 or 1, row n drawn 12 n below the
  // article's text.
  struct TDbValue {
    int Column, Row;
    std::string Text;
  };
  std::vector<TDbValue> ArticleValues() const;
  // The selected name of the list, empty when the list is empty.
  std::string DbSelectedName() const;
  // Moves the selection by a step within the list and shows that article.
  void ScrollDb(int step);
  // Opens the database on its first category at its first entry.
  void OpenDatabase();
  // Opens the logs at page 0, with 14 lines a page.
  void OpenLogs();
  // The next (+1) or previous (-1) page, within the pages.
  void TurnLogPage(int step);
  static constexpr int LogLinesPerPage = 14;
  // A log status other than "0" means the mission is finished.
  static bool LogFinished(const std::string& status);
  // Clears the search text and shows find a star.
  void OpenFindAStar();
  // A key typed into find a star: Backspace, Enter (searching), Space, 0..9, A..Z.
  void SearchKey(int key);
  static constexpr size_t SearchTextLimit = 41;
  // Looks for a location of that name (letter case ignored) that the map lets the player
  // select; when found the map is shown centred on it, it is selected and no fleet is. False,
  // and nothing changes, when there is none.
  bool FindStar();

  // ---- What the player is told (Notices.cpp) ----
  // A notice shows on the map for a few seconds: a mission-log entry finished, what a story event
  // gave or took, a course set while the clock is stopped; it counts down in frames while the
  // map shows. A reason says in one line why the click just made could not act ("Out of
  // hailing range"); it counts down on every screen. A new one replaces the one shown.
  std::string Notice, Reason;
  int NoticeFrames = 0, ReasonFrames = 0;
  static constexpr int NoticeLength = 130;  // about four seconds at 30 ms a frame
  void ShowNotice(const std::string& text);
  void ShowReason(const std::string& text);
  // One frame of the countdowns.
  void StepNotices();
  // What is shown now, or empty. While the clock is stopped with a course set, the map says
  // "Course set: start the clock" when it has no other notice.
  std::string NoticeShown() const;
  std::string ReasonShown() const { return ReasonFrames > 0 ? Reason : std::string(); }
  // The current orders: "Orders: " and the newest mission-log entry not yet finished; empty
  // when the log holds none.
  std::string CurrentOrders() const;

  // ---- Sub-screens ----
  uint8_t SubScreen() const { return Env.SubScreen ? *Env.SubScreen : OwnSubScreen; }
  void ShowScreen(uint8_t subScreen);

  // Reports a data problem (kept in Problems and handed to the error report).
  void DataError(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& message);
  // Plays a sound of the sound list; a missing one is reported once and the game goes on.
  void PlaySound(const std::string& name);
  // A path below the game root written from the root ("data/tutorial/map.adf").
  std::string RootRelative(const std::string& path) const;

  // Files of the campaign: the world files come from the save slot when one is set.
  std::string CampaignDataFolder() const;
  std::string WorldFile(const std::string& name) const;

private:
  void Create();
  // The campaign's pictures and buttons, the races' small pictures, the music
  // (CampaignMedia.cpp; nothing without an image or sound list).
  void LoadScreenMedia();
  void LoadRacePicture(const std::string& raceKey, const TRaceInfo& race);
  void LoadMusic();
  void CreateButtons();
  // The economy (Economy.cpp): the trade screen of a post; a new entry of the player's fleet with
  // the class's full structure and what crew the spare crew has; an entry of theirs removed with
  // the selection kept in range.
  void OpenPost(const std::string& postName, const std::string& partner, const std::string& race);
  void AddNewEntry(const std::string& shipClass);
  void RemoveOwnEntry(int index);
  // Selling and recycling part with one ship of an entry (Count - 1; the entry goes with its
  // last ship); a fleet never parts with its last ship.
  static bool CanPartWithShip(const TFleet& fleet, const TShip& entry);
  void TakeOneShip(int index);
  // The selected entry of the player's fleet stays within it (a trigger's event may take ships).
  void KeepShipSelection();

  uint8_t OwnSubScreen = csMap;
  // How many events are running inside one another (a fail event, a trigger fired by a device).
  int EventDepth = 0;
  // Problems that would repeat every step (a missing sound, a patrol craft the campaign
  // lacks) are reported once.
  std::set<std::string> ReportedOnce;
  void ReportOnce(const std::string& message);
};

}  // namespace sw
