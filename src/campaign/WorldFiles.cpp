#include "campaign/WorldFiles.h"

#include <algorithm>

#include "battle/ShipRoster.h"
#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "core/Adf.h"
#include "core/HeldNumber.h"
#include "core/Colors.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "weapons/WeaponDefinition.h"

namespace sw {

namespace {

// No list in a campaign file is longer than this; a larger count is a data error.
constexpr int MaxListCount = 10000;

const char* const ColorWords[] = {"Yellow", "Orange", "Red", "White", "Blue", "Green"};

std::optional<int> FieldNumber(const std::vector<std::string>& fields, size_t i) {
  if (i >= fields.size()) return std::nullopt;
  auto v = ParseInteger(Trim(fields[i]));
  if (!v || *v < -2147483647LL || *v > 2147483647LL) return std::nullopt;
  return static_cast<int>(*v);
}

// Days since 1 March of year 0 style civil conversion (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int DaysInMonth(long long year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (start < line.size()) {
    size_t end = line.find(';', start);
    if (end == std::string::npos) end = line.size();
    fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

std::optional<TShip> ParseShipLine(const std::string& line, std::string& problem) {
  const auto f = SplitFields(line);
  if (f.empty() || Trim(f[0]).empty()) {
    problem = "the ship line has no class";
    return std::nullopt;
  }
  const auto count = FieldNumber(f, 1), structure = FieldNumber(f, 2), crew = FieldNumber(f, 3);
  if (!count || !structure || !crew) {
    problem = "the ship line \"" + line + "\" is not class;count;structure;crew";
    return std::nullopt;
  }
  if (*count < 1 || *structure < 0 || *crew < 0) {
    problem = "the ship line \"" + line + "\" needs a count of at least 1 and no negative structure or crew";
    return std::nullopt;
  }
  TShip ship;
  ship.ShipClass = Trim(f[0]);
  ship.Count = *count;
  ship.Structure = *structure;
  ship.Crew = *crew;
  return ship;
}

std::optional<TPlanet> ParsePlanetLine(const std::string& line, std::string& problem) {
  const auto f = SplitFields(line);
  if (f.empty() || Trim(f[0]).empty()) {
    problem = "the planet line has no name";
    return std::nullopt;
  }
  TPlanet p;
  p.Name = Trim(f[0]);
  const std::optional<int> numbers[] = {FieldNumber(f, 1), FieldNumber(f, 2), FieldNumber(f, 3), FieldNumber(f, 4),
                                        FieldNumber(f, 5)};
  for (const auto& n : numbers)
    if (!n) {
      problem = "the planet line \"" + line + "\" is not name;atmosphere;resources;population;approachable;image;artifact;vip;";
      return std::nullopt;
    }
  p.Atmosphere = *numbers[0];
  p.LifeSupport = p.Atmosphere == 1;
  p.Resources = *numbers[1];
  p.Population = *numbers[2];
  p.Approachable = *numbers[3] != 0 ? 1 : 0;
  p.ImageNo = *numbers[4];
  if (f.size() > 6) p.Artifact = Trim(f[6]);
  if (f.size() > 7) p.Vip = Trim(f[7]);
  return p;
}

std::optional<long long> ParseStarDate(const std::string& text) {
  const auto f = SplitFields(text);
  if (f.size() != 3) return std::nullopt;
  const auto day = FieldNumber(f, 0), month = FieldNumber(f, 1), year = FieldNumber(f, 2);
  if (!day || !month || !year || *month < 1 || *month > 12 || *year < 1 || *year > 999999) return std::nullopt;
  if (*day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
  return TGameMain::DateToMinutes(*day, *month, *year);
}

long long TGameMain::DateToMinutes(int day, int month, int year) {
  return (DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30)) * 1440;
}

TGameMain::TDateParts TGameMain::DateParts(long long starMinutes) {
  long long days = starMinutes / 1440, minutes = starMinutes % 1440;
  if (minutes < 0) {
    minutes += 1440;
    --days;
  }
  // Civil date from the day count (the inverse of DaysFromCivil).
  const long long z = days + DaysFromCivil(1899, 12, 30) + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const long long y = yoe + era * 400 + (m <= 2);
  return {d, m, static_cast<int>(y), static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

// ---------------------------------------------------------------------------------------------

TWorldReader::TWorldReader(TGameMain& game) : Game(game) {
  Map = Game.WorldFile("map.adf");
  PrefixMap = ResolvePath(Game.CampaignDataFolder() + "prefixmap.adf");
}

void TWorldReader::Error(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& msg) {
  Game.DataError(file, section, key, msg);
}

int TWorldReader::ReadInt(const std::string& file, const std::string& section, const std::string& key, int def) {
  if (!AdfKeyExists(file, section, key)) return def;
  const std::string text = Trim(AdfReadString(file, section, key, ""));
  const auto v = ParseInteger(text);
  if (!v || *v < -2147483647LL || *v > 2147483647LL) {
    Error(file, section, key, "\"" + text + "\" is not a number");
    return def;
  }
  return static_cast<int>(*v);
}

int TWorldReader::ReadRanged(const std::string& file, const std::string& section, const std::string& key, int def,
                             int lo, int hi) {
  std::string problem;
  const int v = static_cast<int>(HoldToRange(ReadInt(file, section, key, def), lo, hi, &problem));
  if (!problem.empty()) Error(file, section, key, problem);
  return v;
}

void TWorldReader::HoldPlanet(TPlanet& planet, const std::string& section, const std::string& key) {
  std::string problem;
  for (int* field : {&planet.Resources, &planet.Population}) {
    *field = static_cast<int>(HoldToRange(*field, 0, CampaignLimits::Amount, &problem));
    if (!problem.empty()) Error(Map, section, key, "planet \"" + planet.Name + "\": " + problem);
  }
}

int TWorldReader::ReadCount(const std::string& file, const std::string& section, const std::string& key) {
  const int n = ReadInt(file, section, key, 0);
  if (n < 0 || n > MaxListCount) {
    Error(file, section, key, "the count " + std::to_string(n) + " is not within 0.." + std::to_string(MaxListCount));
    return n < 0 ? 0 : MaxListCount;
  }
  return n;
}

bool TWorldReader::HasPlayerFleet() const {
  return AdfReadInteger(Map, "MISC", "TOTAL_FLEETS", 0) >= 1 && AdfSectionExists(Map, "FLEET1");
}

std::string TWorldReader::ClassFile(const std::string& section, const std::string& key, const std::string& name,
                                    std::string& prefix) {
  const std::string value = Trim(AdfReadString(PrefixMap, section, key, ""));
  prefix.clear();
  if (value.empty() || SameText(value, "#NONE")) return ShipDataFile(Game.Env.DataFolder, "", name);
  if (!IsSafeDataName(value)) {
    Error(PrefixMap, section, key, "the add-on prefix \"" + value + "\" leaves the add-on folder");
    return "";
  }
  prefix = "add-ons\\" + value;
  return ShipDataFile(Game.Env.DataFolder, prefix, name);
}

void TWorldReader::ReadClasses() {
  for (const auto& key : AdfReadKeys(PrefixMap, "SHIPS")) {
    std::string prefix;
    const std::string file = ClassFile("SHIPS", key, "ships", prefix);
    if (file.empty()) continue;
    if (!AdfSectionExists(file, key)) {
      Error(PrefixMap, "SHIPS", key, "the ship class is not in " + Game.RootRelative(file));
      continue;
    }
    const TShipClass c = ReadShipClass(file, key);
    auto info = std::make_unique<TShipInfo>();
    info->DispName = c.DisplayName;
    info->Structure = Round(c.Structure);
    info->Crew = Round(c.Crew);
    info->Energy = c.EnergyAsInteger;
    info->TurnRate = c.TurnRate;
    info->MaxSpeed = c.MaxSpeed / 100.0;
    info->EnergyR = c.EnergyRegen / 100.0;
    info->Thrusters = c.Thrusters / 100.0;
    info->Weapon1 = c.Weapon1;
    info->Weapon2 = c.Weapon2;
    info->BmpImage = c.BmpImage;
    info->Starbase = c.Starbase;
    info->Race = c.Race;
    info->Prefix = prefix;
    Game.ShipInfos.Add(key, std::move(info));
  }
  for (const auto& key : AdfReadKeys(PrefixMap, "WEAPONS")) {
    std::string prefix;
    const std::string file = ClassFile("WEAPONS", key, "weapons", prefix);
    if (file.empty()) continue;
    if (!AdfSectionExists(file, key)) {
      Error(PrefixMap, "WEAPONS", key, "the weapon is not in " + Game.RootRelative(file));
      continue;
    }
    const TWeaponDefinition d = ReadWeaponDefinition(file, key);
    auto info = std::make_unique<TWeapInfo>();
    info->Display = d.Display;
    info->PrimalDamage = d.PrimalDamage;
    info->SecondDamage = d.SecondDamage;
    info->ReloadTime = d.ReloadTime;
    info->EnergyUsage = d.EnergyUsage;
    info->ProjectileSpeed = d.ProjectileSpeed;
    info->LifeSpan = d.LifeSpan;
    info->Turret = d.Turret;
    info->AIDriven = d.AIDriven;
    info->WeaponArc = d.WeaponArc;
    info->Class = d.ClassWord;
    Game.WeaponInfos.Add(key, std::move(info));
  }
}

void TWorldReader::ReadRaces() {
  const std::string campRace = ResolvePath(Game.CampaignDataFolder() + "camp_race.adf");
  for (const auto& key : AdfReadKeys(PrefixMap, "RACES")) {
    std::string prefix;
    const std::string file = ClassFile("RACES", key, "races", prefix);
    if (file.empty()) continue;
    if (SameText(key, "NONE")) {
      Error(PrefixMap, "RACES", key, "\"NONE\" is the race of no one and cannot be listed");
      continue;
    }
    if (!AdfSectionExists(file, key)) {
      Error(PrefixMap, "RACES", key, "the race is not in " + Game.RootRelative(file));
      continue;
    }
    auto r = std::make_unique<TRaceInfo>();
    r->DisplayName = AdfReadString(file, key, "DISPLAY_NAME", "");
    r->ShortName = AdfReadString(file, key, "SHORT_NAME", "");
    const std::string color = AdfReadString(file, key, "COLOR", "clGray");
    const auto parsed = ParseColor(Trim(color));
    if (!parsed) Error(file, key, "COLOR", "\"" + color + "\" is neither a colour name nor a number");
    r->Color = parsed.value_or(clGray);
    r->FullBmp = AdfReadString(file, key, "FULL_BMP", "");
    if (!IsSafeDataName(r->FullBmp)) {
      Error(file, key, "FULL_BMP", "the picture name \"" + r->FullBmp + "\" leaves the graphics folder");
      r->FullBmp.clear();
    }
    r->Prof = AdfReadString(file, key, "PROF", "");
    r->SHomeworld = AdfReadString(file, key, "S_HOMEWROLD", "");
    r->Species = AdfReadString(file, key, "SPECIES", "");
    r->Class = AdfReadString(file, key, "CLASS", "");
    r->RHomeworld = AdfReadString(file, key, "R_HOMEWROLD", "");
    r->Government = AdfReadString(file, key, "GOVERNMENT", "");
    r->MinPatrolers = ReadRanged(campRace, key, "MIN_PATROLERS", 0, 0, CampaignLimits::PatrolShips);
    r->MajorPatCraft = Trim(AdfReadString(campRace, key, "MAJOR_PAT_CRAFT", ""));
    r->MinorPatCraft = Trim(AdfReadString(campRace, key, "MINOR_PAT_CRAFT", ""));
    r->MajorPatMax = ReadRanged(campRace, key, "MAJOR_PAT_MAX", 0, 0, CampaignLimits::PatrolShips);
    r->MinorPatMax = ReadRanged(campRace, key, "MINOR_PAT_MAX", 0, 0, CampaignLimits::PatrolShips);
    r->PatName = AdfReadString(campRace, key, "PAT_NAME", "");
    r->AISkill = ReadInt(campRace, key, "AISKILL", 2);
    if (r->AISkill < 0 || r->AISkill > 2) {
      Error(campRace, key, "AISKILL", "the skill " + std::to_string(r->AISkill) + " is not within 0..2");
      r->AISkill = std::clamp(r->AISkill, 0, 2);
    }
    r->RaceSect = AdfReadString(Map, "RACE_SECT", key, "");
    Game.Races.Add(key, std::move(r));
  }
  // Patrol settings that name classes the campaign does not have cannot spawn patrols.
  for (int i = 0; i < Game.Races.Count(); ++i) {
    const TRaceInfo& r = *Game.Races.At(i);
    const std::string& key = Game.Races.NameAt(i);
    if (r.MinPatrolers <= 0) continue;
    if (r.MajorPatCraft.empty()) Error(campRace, key, "MAJOR_PAT_CRAFT", "the race must spawn patrols but names no craft");
    else if (!Game.FindShipInfo(r.MajorPatCraft))
      Error(campRace, key, "MAJOR_PAT_CRAFT", "ship class \"" + r.MajorPatCraft + "\" is not in the campaign");
    if (!r.MinorPatCraft.empty() && !Game.FindShipInfo(r.MinorPatCraft))
      Error(campRace, key, "MINOR_PAT_CRAFT", "ship class \"" + r.MinorPatCraft + "\" is not in the campaign");
  }
  // A saved game lists the race of no one too, which is added after these.
  for (const auto& key : AdfReadKeys(Map, "RACE_SECT"))
    if (!SameText(key, "NONE") && !Game.FindRace(key)) Error(Map, "RACE_SECT", key, "race \"" + key + "\" is not in the campaign");
}

void TWorldReader::AddNoneRace() {
  auto none = std::make_unique<TRaceInfo>();
  none->DisplayName = "None";
  none->Color = RGB(128, 128, 128);
  Game.Races.Add("NONE", std::move(none));
}

void TWorldReader::ReadMisc() {
  Game.ComRange = ReadRanged(Map, "MISC", "COM_RANGE", 5, 0, CampaignLimits::Range);
  Game.ScanRange = ReadRanged(Map, "MISC", "SCAN_RANGE", 30, 0, CampaignLimits::Range);
  Game.SensorRange = ReadRanged(Map, "MISC", "SENSOR_RANGE", 200, 0, CampaignLimits::Range);
  Game.InterceptRange = ReadRanged(Map, "MISC", "INTERCEPT_RANGE", 45, 0, CampaignLimits::Range);
  Game.CanTrade = AdfReadBool(Map, "MISC", "CAN_TRADE", false);
  Game.CanMine = AdfReadBool(Map, "MISC", "CAN_MINE", false);
  Game.CanBuild = AdfReadBool(Map, "MISC", "CAN_BUILD", false);
  Game.CanRecycle = AdfReadBool(Map, "MISC", "CAN_RECYCLE", false);
  Game.CanLand = AdfReadBool(Map, "MISC", "CAN_LAND", false);
  const std::string date = Trim(AdfReadString(Map, "MISC", "STAR_DATE", "21;05;2309;"));
  auto minutes = ParseStarDate(date);
  if (!minutes) {
    Error(Map, "MISC", "STAR_DATE", "\"" + date + "\" is not a date written day;month;year;");
    minutes = ParseStarDate("21;05;2309;");
  }
  Game.StarDateMinutes = Game.LastStepMinutes = *minutes;
  Game.States = AdfReadKeys(Map, "STATES");
}

void TWorldReader::ReadLocations() {
  const int total = ReadCount(Map, "MISC", "TOTAL_LOCATIONS");
  std::vector<std::string> sections;  // the section each location came from, by index
  for (int n = 1; n <= total; ++n) {
    const std::string s = "LOCATION" + std::to_string(n);
    if (!AdfSectionExists(Map, s)) {
      Error(Map, s, "", "the section is missing (TOTAL_LOCATIONS is " + std::to_string(total) + ")");
      continue;
    }
    auto loc = std::make_unique<TLocation>();
    loc->LocName = Trim(AdfReadString(Map, s, "LOC_NAME", ""));
    if (loc->LocName.empty()) {
      Error(Map, s, "LOC_NAME", "the location has no name");
      continue;
    }
    if (Game.FindLocation(loc->LocName)) {
      Error(Map, s, "LOC_NAME", "a location named \"" + loc->LocName + "\" comes earlier in the map");
      continue;
    }
    loc->X = ReadRanged(Map, s, "LOC_X", 0, -CampaignLimits::Coordinate, CampaignLimits::Coordinate);
    loc->Y = ReadRanged(Map, s, "LOC_Y", 0, -CampaignLimits::Coordinate, CampaignLimits::Coordinate);
    loc->LocType = ReadInt(Map, s, "LOC_TYPE", 0);
    if (loc->LocType < ltStarSystem || loc->LocType > ltPhenomenon) {
      Error(Map, s, "LOC_TYPE", "the type " + std::to_string(loc->LocType) + " is not 0..5");
      loc->LocType = ltStarSystem;
    }
    loc->LocSize = ReadInt(Map, s, "LOC_SIZE", 0);
    loc->IconWidth = loc->IconHeight = loc->LocSize == 0 ? 7 : loc->LocSize == 1 ? 10 : 13;
    loc->LocColor = ReadInt(Map, s, "LOC_COLOR", 0);
    if (loc->LocColor < 0 || loc->LocColor > 5) {
      Error(Map, s, "LOC_COLOR", "the star colour " + std::to_string(loc->LocColor) + " is not 0..5");
      loc->LocColor = 0;
    }
    loc->StarImage = std::string(ColorWords[loc->LocColor]) + "_star";
    loc->Owner = Trim(AdfReadString(Map, s, "RACE", "NONE"));
    if (loc->Owner.empty()) loc->Owner = "NONE";
    if (!Game.FindRace(loc->Owner)) Error(Map, s, "RACE", "race \"" + loc->Owner + "\" is not in the campaign");
    const int planets = ReadCount(Map, s, "PLANETS");
    for (int p = 1; p <= planets; ++p) {
      const std::string key = "PLANET" + std::to_string(p);
      const std::string line = AdfReadString(Map, s, key, "");
      std::string problem;
      auto planet = ParsePlanetLine(line, problem);
      if (!planet) {
        Error(Map, s, key, problem);
        continue;
      }
      if (loc->PlanetList.Find(planet->Name)) {
        Error(Map, s, key, "the location already has a planet named \"" + planet->Name + "\"");
        continue;
      }
      HoldPlanet(*planet, s, key);
      const std::string name = planet->Name;
      loc->PlanetList.Add(name, std::make_unique<TPlanet>(std::move(*planet)));
    }
    loc->Spectra = AdfReadString(Map, s, "SPECTRA", "");
    loc->Known = AdfReadBool(Map, s, "KNOWN", false);
    loc->Starbase = Trim(AdfReadString(Map, s, "STARBASE", ""));
    if (!loc->Starbase.empty()) {
      const TShipInfo* base = Game.FindShipInfo(loc->Starbase);
      if (!base) Error(Map, s, "STARBASE", "ship class \"" + loc->Starbase + "\" is not in the campaign");
      else if (!base->Starbase) Error(Map, s, "STARBASE", "ship class \"" + loc->Starbase + "\" is not a starbase");
    }
    loc->Asteroids = ReadInt(Map, s, "ASTEROIDS", 0);
    if (loc->Asteroids < 0 || loc->Asteroids > 4) {
      Error(Map, s, "ASTEROIDS", "the asteroid density " + std::to_string(loc->Asteroids) + " is not 0..4");
      loc->Asteroids = loc->Asteroids < 0 ? 0 : 4;
    }
    const std::string name = loc->LocName;
    Game.Locations.Add(name, std::move(loc));
    sections.push_back(s);
  }
  // Each wormhole leads to a location of the map.
  for (int i = 0; i < Game.Locations.Count(); ++i) {
    const TLocation& loc = *Game.Locations.At(i);
    if (loc.LocType == ltWormhole && !Game.FindLocation(loc.Spectra))
      Error(Map, sections[static_cast<size_t>(i)], "SPECTRA",
            "the wormhole's other end \"" + loc.Spectra + "\" is not a location of the map");
  }
}

std::vector<std::string> TWorldReader::ReadList(const std::string& section, const std::string& countKey,
                                                const std::string& itemKey) {
  std::vector<std::string> items;
  const int n = ReadCount(Map, section, countKey);
  for (int i = 1; i <= n; ++i) {
    const std::string item = Trim(AdfReadString(Map, section, itemKey + std::to_string(i), ""));
    if (item.empty()) Error(Map, section, itemKey + std::to_string(i), "the entry is missing");
    else items.push_back(item);
  }
  return items;
}

void TWorldReader::ReadShips(TFleet& fleet, const std::string& s) {
  const int n = ReadCount(Map, s, "TOTAL_SHIPS");
  for (int i = 1; i <= n; ++i) {
    const std::string key = "SHIP" + std::to_string(i);
    std::string problem;
    auto ship = ParseShipLine(AdfReadString(Map, s, key, ""), problem);
    if (!ship) {
      Error(Map, s, key, problem);
      continue;
    }
    const TShipInfo* info = Game.FindShipInfo(ship->ShipClass);
    if (!info) {
      Error(Map, s, key, "ship class \"" + ship->ShipClass + "\" is not in the campaign");
      continue;
    }
    // Counts, hulls and crews beyond any fleet would overflow the sums of the fleet's totals.
    std::string problem2;
    ship->Count = static_cast<int>(HoldToRange(ship->Count, 1, MaxListCount, &problem2));
    if (!problem2.empty()) Error(Map, s, key, "the count " + problem2);
    ship->Structure = static_cast<int>(HoldToRange(ship->Structure, 0, MaxShipAmount, &problem2));
    if (!problem2.empty()) Error(Map, s, key, "the structure " + problem2);
    ship->Crew = static_cast<int>(HoldToRange(ship->Crew, 0, MaxShipAmount, &problem2));
    if (!problem2.empty()) Error(Map, s, key, "the crew " + problem2);
    // In the campaign's own files 0 means the class's full value; a saved game holds what the
    // ships really had, so there a derelict stays without structure and an empty ship uncrewed.
    if (Game.SaveFolder.empty()) {
      if (ship->Structure == 0) ship->Structure = info->Structure;
      if (ship->Crew == 0) ship->Crew = info->Crew;
    }
    fleet.Ships.Add("SHIP" + std::to_string(fleet.Ships.Count() + 1), std::make_unique<TShip>(*ship));
  }
}

void TWorldReader::ReadFleets() {
  const int total = ReadCount(Map, "MISC", "TOTAL_FLEETS");
  std::vector<std::string> sections;  // the section each fleet came from, by fleet index
  for (int n = 1; n <= total; ++n) {
    const std::string s = "FLEET" + std::to_string(n);
    if (!AdfSectionExists(Map, s)) {
      Error(Map, s, "", "the section is missing (TOTAL_FLEETS is " + std::to_string(total) + ")");
      continue;
    }
    auto f = std::make_unique<TFleet>();
    f->Name = Trim(AdfReadString(Map, s, "NAME", ""));
    if (f->Name.empty()) {
      Error(Map, s, "NAME", "the fleet has no name");
      if (n > 1) continue;
      f->Name = s;  // the player's fleet is kept under its section's name
    }
    if (Game.FindFleet(f->Name)) {
      Error(Map, s, "NAME", "a fleet named \"" + f->Name + "\" comes earlier in the map");
      continue;
    }
    if (Game.FindLocation(f->Name))
      Error(Map, s, "NAME", "the fleet has the name of a location; in open space it would be mistaken for it");
    const int coordinate = CampaignLimits::Coordinate, amount = CampaignLimits::Amount;
    f->X = ReadRanged(Map, s, "X", 0, -coordinate, coordinate);
    f->Y = ReadRanged(Map, s, "Y", 0, -coordinate, coordinate);
    f->Fuel = ReadRanged(Map, s, "FUEL", 0, 0, amount);
    f->RU = ReadRanged(Map, s, "RU", 0, 0, amount);
    f->Crew = ReadRanged(Map, s, "CREW", 0, 0, amount);
    ReadShips(*f, s);
    f->Devices = ReadList(s, "DEVICES", "DEVICE");
    f->Vips = ReadList(s, "VIPS", "VIP");
    f->Race = Trim(AdfReadString(Map, s, "RACE", "NONE"));
    if (f->Race.empty()) f->Race = "NONE";
    if (!Game.FindRace(f->Race)) Error(Map, s, "RACE", "race \"" + f->Race + "\" is not in the campaign");
    f->Cmdr = AdfReadString(Map, s, "CMDR", "Unknown");
    f->System = Trim(AdfReadString(Map, s, "SYSTEM", ""));
    f->DSystem = Trim(AdfReadString(Map, s, "DSYSTEM", ""));
    f->DX = ReadRanged(Map, s, "DX", -1, -coordinate, coordinate);
    f->DY = ReadRanged(Map, s, "DY", -1, -coordinate, coordinate);
    f->Patrol = AdfReadBool(Map, s, "PATROL", false);
    f->Trader = AdfReadBool(Map, s, "TRADER", false);
    f->MaxFuel = ReadRanged(Map, s, "MAXFUEL", 50, 0, amount);
    f->WarpMod = ReadRanged(Map, s, "WARPMOD", 0, -CampaignLimits::WarpMod, CampaignLimits::WarpMod);

    const std::string name = f->Name;  // read before the fleet is handed over
    TFleet& fleet = *Game.Fleets.Add(name, std::move(f));
    sections.push_back(s);
    TLocation* at = fleet.System.empty() ? nullptr : Game.FindLocation(fleet.System);
    if (!fleet.System.empty() && (!at || at->LocType == ltFleetLocation)) {
      Error(Map, s, "SYSTEM", "location \"" + fleet.System + "\" is not on the map; the fleet stays in open space");
      at = nullptr;
    }
    if (at) {
      fleet.System = at->LocName;
      fleet.X = at->X;
      fleet.Y = at->Y;
      at->FleetNames.push_back(fleet.Name);
    } else {
      fleet.System.clear();
      Game.MakeFleetLocation(fleet);
    }
  }
  // Destinations may name a fleet in open space, so they are checked once every fleet is placed.
  for (int i = 0; i < Game.Fleets.Count(); ++i) {
    TFleet& fleet = *Game.Fleets.At(i);
    if (!fleet.DSystem.empty() && !Game.FindLocation(fleet.DSystem)) {
      Error(Map, sections[static_cast<size_t>(i)], "DSYSTEM",
            "location \"" + fleet.DSystem + "\" is not on the map; the fleet has no destination");
      fleet.DSystem.clear();
    }
  }
}

void TWorldReader::ReadLists() {
  Game.DbEntries = AdfReadKeys(Map, "DB");
  for (const auto& race : AdfReadKeys(Map, "RELATIONS")) {
    const int v = ReadInt(Map, "RELATIONS", race, 50);
    if (v < 0 || v > 100) Error(Map, "RELATIONS", race, "the relation " + std::to_string(v) + " is not 0..100");
    if (!Game.FindRace(race)) Error(Map, "RELATIONS", race, "race \"" + race + "\" is not in the campaign");
    Game.Relations.Set(race, std::to_string(v < 0 ? 0 : v > 100 ? 100 : v));
  }
  for (const auto& cls : AdfReadKeys(Map, "DESIGNS")) {
    const int cost = ReadRanged(Map, "DESIGNS", cls, 0, -CampaignLimits::Amount, CampaignLimits::Amount);
    if (!Game.FindShipInfo(cls)) Error(Map, "DESIGNS", cls, "ship class \"" + cls + "\" is not in the campaign");
    Game.Designs.Set(cls, std::to_string(cost));
  }
  for (const auto& title : AdfReadKeys(Map, "LOG")) Game.Logs.Set(title, AdfReadString(Map, "LOG", title, ""));
}

void TWorldReader::ReadCharacters() {
  const std::string file = Game.WorldFile("chars.adf");
  for (const auto& name : AdfReadSections(file)) {
    auto c = std::make_unique<TCharacter>();
    c->Image = Trim(AdfReadString(file, name, "IMAGE", ""));
    c->Dialog = Trim(AdfReadString(file, name, "DIALOG", ""));
    c->CurrentSection = Trim(AdfReadString(file, name, "CURRENT_SECTION", ""));
    c->Planet = Trim(AdfReadString(file, name, "PLANET", ""));
    if (!IsSafeDataName(c->Image)) {
      Error(file, name, "IMAGE", "the portrait \"" + c->Image + "\" leaves the campaign's folder");
      c->Image.clear();
    }
    if (!IsSafeDataName(c->Dialog)) {
      Error(file, name, "DIALOG", "the dialogue \"" + c->Dialog + "\" leaves the campaign's folder");
      c->Dialog.clear();
    }
    Game.Characters.Add(name, std::move(c));
  }
}

void TWorldReader::ReadDescriptions() {
  const std::string file = ResolvePath(Game.CampaignDataFolder() + "desc.adf");
  for (const auto& section : AdfReadSections(file)) {
    if (AdfKeyExists(file, section, "REF")) {
      auto e = std::make_unique<TDBMiscEnt>();
      e->Title = AdfReadString(file, section, "TITLE", "");
      e->Image = Trim(AdfReadString(file, section, "IMAGE", ""));
      if (!IsSafeDataName(e->Image)) {
        Error(file, section, "IMAGE", "the picture \"" + e->Image + "\" leaves the campaign's folder");
        e->Image.clear();
      }
      Game.MiscEntries.Add(AdfReadString(file, section, "REF", ""), std::move(e));
    }
    if (AdfKeyExists(file, section, "ART")) {
      auto e = std::make_unique<TDBArtEnt>();
      e->Title = AdfReadString(file, section, "TITLE", "");
      Game.ArtEntries.Add(AdfReadString(file, section, "ART", ""), std::move(e));
    }
  }
}

}  // namespace sw
