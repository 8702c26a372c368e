#include "battle/DataCheck.h"

#include <algorithm>
#include <set>

#include "battle/ShipRoster.h"
#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/BitmapFile.h"
#include "shell/BuiltinImages.h"
#include "weapons/WeaponDefinition.h"
#include "weapons/WeaponFactory.h"

namespace sw {

namespace {

// Case-insensitive set of names (the image and sound lists find names without regard to case).
struct TNameSet {
  std::set<std::string> Names;
  void Add(const std::string& n) { Names.insert(UpperCase(n)); }
  bool Has(const std::string& n) const { return Names.count(UpperCase(n)) > 0; }
};

enum class TValueKind { Text, Integer, Real, Colour };

class TChecker {
public:
  explicit TChecker(const std::string& root) : F(TGameFolders::FromRoot(root)) {}

  std::vector<std::string> Run() {
    CheckBuiltinPictures();
    ReadStartUpLists();
    CheckMusic();
    const std::string index = ResolvePath(F.Data + "add-ons/add-ons.adf");
    for (const auto& section : AdfReadSections(index))
      if (AdfReadString(index, section, "PREFIX", "").empty())
        Problem(index, section, "PREFIX", "the add-on has no prefix");
    for (const auto& prefix : ReadAddOnPrefixes(F.Data)) CheckSource(prefix);
    return Lines;
  }

private:
  TGameFolders F;
  std::vector<std::string> Lines;
  TNameSet BattleImages, Sounds;

  std::string Relative(const std::string& path) const {
    return path.rfind(F.Root, 0) == 0 ? path.substr(F.Root.size()) : path;
  }
  void Problem(const std::string& file, const std::string& section, const std::string& key, const std::string& msg) {
    Lines.push_back(Relative(file) + ":" + section + ":" + key + ": " + msg);
  }
  bool Exists(const std::string& path) const { return FileExists(ResolvePath(NormalizeSlashes(path))); }

  // A picture the game will load: it must exist and decode (a truncated or damaged file is
  // found here, not on the screen that needs it). Reports under FILE:SECTION:KEY and returns
  // the picture, empty when it cannot be used.
  TBitmap Picture(const std::string& path, const std::string& file, const std::string& section,
                  const std::string& key) {
    const std::string resolved = ResolvePath(NormalizeSlashes(path));
    if (!FileExists(resolved)) {
      Problem(file, section, key, "picture " + Relative(path) + " does not exist");
      return {};
    }
    try {
      return LoadBitmapFile(resolved);
    } catch (const std::exception& e) {
      Problem(file, section, key, "picture " + Relative(path) + " cannot be read: " + e.what());
      return {};
    }
  }

  void CheckBuiltinPictures() {
    const std::pair<const char*, const std::vector<TBuiltinImage>*> lists[] = {
        {"main", &BuiltinImagesMain()}, {"df", &BuiltinImagesDF()}, {"m", &BuiltinImagesM()}, {"mg", &BuiltinImagesMG()}};
    for (const auto& [folder, images] : lists)
      for (const auto& image : *images) {
        const std::string path = F.Graphics + "builtin/" + folder + "/" + image.Name + ".img";
        Picture(path, path, "", "");
      }
  }

  void ReadStartUpLists() {
    // Pictures every battle has: the backgrounds, and the sheets and single pictures listed at start-up.
    const std::string anims = ResolvePath(F.Graphics + "animations/animations.adf");
    for (const auto& sheet : AdfReadSections(anims)) {
      const TBitmap picture = Picture(F.Graphics + "animations/" + sheet + ".img", anims, sheet, "");
      const long long columns = AdfReadInteger(anims, sheet, "X_COUNT", 0);
      const long long rows = AdfReadInteger(anims, sheet, "Y_COUNT", 0);
      const long long w = AdfReadInteger(anims, sheet, "X", 0), h = AdfReadInteger(anims, sheet, "Y", 0);
      if (w <= 0 || h <= 0) Problem(anims, sheet, w <= 0 ? "X" : "Y", "the frames have no size; nothing is cut");
      long long frames = columns > 0 && rows > 0 ? columns * rows : 0;
      if (picture.Width > 0 && w > 0 && h > 0) {
        // Only the frames that start inside the sheet are cut.
        const long long fitColumns = (picture.Width + std::min<long long>(w, picture.Width) - 1) / std::min<long long>(w, picture.Width);
        const long long fitRows = (picture.Height + std::min<long long>(h, picture.Height) - 1) / std::min<long long>(h, picture.Height);
        if (columns > fitColumns) Problem(anims, sheet, "X_COUNT", std::to_string(columns) + " columns asked, " + std::to_string(fitColumns) + " fit in the sheet");
        if (rows > fitRows) Problem(anims, sheet, "Y_COUNT", std::to_string(rows) + " rows asked, " + std::to_string(fitRows) + " fit in the sheet");
        frames = std::max(0LL, std::min(columns, fitColumns)) * std::max(0LL, std::min(rows, fitRows));
      }
      for (long long n = 1; n <= frames && n <= 10000; ++n) BattleImages.Add(sheet + "_" + std::to_string(n));
    }
    const std::string projs = ResolvePath(F.Graphics + "projectiles/projs.adf");
    for (const auto& key : AdfReadKeys(projs, "PROJECTILES")) {
      if (Picture(F.Graphics + "projectiles/" + key + ".img", projs, "PROJECTILES", key).Width > 0) BattleImages.Add(key);
      if (!ParseColor(AdfReadString(projs, "PROJECTILES", key, "clBlack")))
        Problem(projs, "PROJECTILES", key, "the transparent colour is neither a colour name nor a number");
    }
    const std::string sounds = ResolvePath(F.Sounds + "sounds.adf");
    for (const auto& key : AdfReadKeys(sounds, "SOUNDS")) {
      Sounds.Add(key);
      if (!Exists(F.Sounds + key + ".wav")) Problem(sounds, "SOUNDS", key, "sound sounds/" + key + ".wav does not exist");
    }
  }

  void CheckMusic() {
    const std::string music = ResolvePath(F.Music + "music.adf");
    for (const auto& key : AdfReadKeys(music, "BATTLE"))
      if (!Exists(F.Music + key + ".wav")) Problem(music, "BATTLE", key, "music sounds/music/" + key + ".wav does not exist");
  }

  // A value that the game would read as its default because it is not a number.
  void CheckValue(const std::string& file, const std::string& section, const std::string& key, TValueKind kind) {
    const std::string v = AdfReadString(file, section, key, "");
    bool ok = true;
    if (kind == TValueKind::Integer) ok = ParseInteger(Trim(v)).has_value();
    if (kind == TValueKind::Real) ok = ParseReal(Trim(v)).has_value();
    if (!ok) Problem(file, section, key, "\"" + v + "\" is not a number; the default is used");
  }

  void CheckSource(const std::string& prefix) {
    const std::string shipsFile = ShipDataFile(F.Data, prefix, "ships");
    const std::string weaponsFile = ShipDataFile(F.Data, prefix, "weapons");
    const std::string racesFile = ShipDataFile(F.Data, prefix, "races");
    for (const auto& file : {shipsFile, weaponsFile, racesFile})
      if (!FileExists(file)) Problem(file, "", "", "the file does not exist");
    const auto shipClasses = AdfReadSections(shipsFile);
    TNameSet classNames;
    for (const auto& c : shipClasses) classNames.Add(c);
    TNameSet weaponNames;
    for (const auto& w : AdfReadSections(weaponsFile)) weaponNames.Add(w);
    TNameSet raceNames;
    for (const auto& r : AdfReadSections(racesFile)) raceNames.Add(r);

    for (const auto& c : shipClasses) CheckShipClass(shipsFile, weaponsFile, c, weaponNames, raceNames);
    for (const auto& w : AdfReadSections(weaponsFile)) CheckWeapon(weaponsFile, shipsFile, w, classNames);
    for (const auto& r : AdfReadSections(racesFile)) {
      const std::string logo = AdfReadString(racesFile, r, "FULL_BMP", "");
      if (logo.empty()) {
        Problem(racesFile, r, "FULL_BMP", "the race has no logo; its battles show none");
        continue;
      }
      for (const std::string suffix : {"", "_small"}) Picture(F.Graphics + logo + suffix + ".img", racesFile, r, "FULL_BMP");
    }
  }

  void CheckShipClass(const std::string& file, const std::string& weaponsFile, const std::string& c,
                      const TNameSet& weapons, const TNameSet& races) {
    TNameSet known;
    for (const auto& k : ShipFileKeys()) known.Add(k);
    for (const auto& key : AdfReadKeys(file, c)) {
      if (!known.Has(key)) {
        Problem(file, c, key, "no ship class reads this key");
        continue;
      }
      const std::string k = UpperCase(key);
      if (k == "ENERGY") {
        // The maximum reads it as a real, the starting energy as a whole number.
        CheckValue(file, c, key, TValueKind::Real);
        if (ParseReal(Trim(AdfReadString(file, c, key, ""))) && !ParseInteger(Trim(AdfReadString(file, c, key, ""))))
          Problem(file, c, key, "not a whole number: the ship would start with no energy");
      } else if (k == "STRUCTURE" || k == "CREW") CheckValue(file, c, key, TValueKind::Real);
      else if (k != "BMP_IMAGE" && k != "DISP_NAME" && k != "WEAPON1" && k != "WEAPON2" && k != "RACE")
        CheckValue(file, c, key, TValueKind::Integer);
    }
    TDataWarnings rangeProblems;
    const TShipClass sc = ReadShipClass(file, c, &rangeProblems);
    for (const auto& line : rangeProblems) Lines.push_back(Relative(file) + line.substr(file.size()));
    bool firingPicture = false;
    if (sc.BmpImage.empty()) Problem(file, c, "BMP_IMAGE", "the class has no picture");
    else {
      Picture(F.Ships + sc.BmpImage + ".img", file, c, "BMP_IMAGE");
      // The firing picture is optional, but one that is there must be readable.
      if (Exists(F.Ships + sc.BmpImage + "_fr.img"))
        firingPicture = Picture(F.Ships + sc.BmpImage + "_fr.img", file, c, "BMP_IMAGE").Width > 0;
    }
    for (const auto& [key, ident] : {std::pair<std::string, std::string>{"WEAPON1", sc.Weapon1}, {"WEAPON2", sc.Weapon2}}) {
      if (ident.empty()) Problem(file, c, key, "no weapon named; use EMPTY for an empty slot");
      else if (ident != EmptyWeaponIdent && !weapons.Has(ident))
        Problem(file, c, key, "weapon \"" + ident + "\" does not exist in " + Relative(weaponsFile));
    }
    if (sc.Race.empty()) Problem(file, c, "RACE", "the class has no race; as a flagship its side has no name or logo");
    else if (!races.Has(sc.Race)) Problem(file, c, "RACE", "race \"" + sc.Race + "\" does not exist");
    // A cloak shows the ship's own side its firing picture; a disguise drops back to it.
    if (!firingPicture)
      for (const auto& [key, ident] : {std::pair<std::string, std::string>{"WEAPON1", sc.Weapon1}, {"WEAPON2", sc.Weapon2}}) {
        if (ident.empty() || ident == EmptyWeaponIdent || !weapons.Has(ident)) continue;
        const std::string word = AdfReadString(weaponsFile, ident, "Class", "");
        if (word == "CLOAK" || word == "MIMIC")
          Problem(file, c, key, "the " + word + " device \"" + ident + "\" needs a firing picture ships/" +
                                    sc.BmpImage + "_fr.img, which the class does not have");
      }
  }

  bool IsCraftLauncher(const std::string& word) const {
    return word == "FIGHTER" || word == "SHUTTLE" || word == "RELEASE";
  }

  void CheckWeapon(const std::string& file, const std::string& shipsFile, const std::string& w,
                   const TNameSet& classes) {
    TNameSet known;
    for (const auto& k : WeaponFileKeys()) known.Add(k);
    static const std::set<std::string> textKeys = {"CLASS", "DISPLAY", "FIRESOUND", "HITSOUND", "IMAGENAME",
                                                   "EXPLNAME", "BEAMCOLOR", "TRAILCOLOR"};
    for (const auto& key : AdfReadKeys(file, w)) {
      if (!known.Has(key)) Problem(file, w, key, "no weapon class reads this key");
      else if (UpperCase(key) == "TURNRATE") CheckValue(file, w, key, TValueKind::Real);
      else if (!textKeys.count(UpperCase(key))) CheckValue(file, w, key, TValueKind::Integer);
    }
    if (w == EmptyWeaponIdent) return;  // the empty slot is never built from its section

    TDataWarnings colourProblems;
    const TWeaponDefinition d = ReadWeaponDefinition(file, w, &colourProblems);
    for (const auto& line : colourProblems) Lines.push_back(Relative(file) + line.substr(file.size()));

    const TClassWordRow* row = d.ClassWord.empty() ? nullptr : FindClassWord(d.ClassWord);
    if (d.ClassWord.empty()) Problem(file, w, "Class", "the weapon has no class word");
    else if (!row) Problem(file, w, "Class", "unknown weapon class \"" + d.ClassWord + "\"");
    // Weapons whose shots are objects in the battle need a picture to fly and one to detonate.
    const bool firesObjects = row && (row->Family == TWeaponFamily::Base || row->Family == TWeaponFamily::Guns ||
                                      row->Family == TWeaponFamily::Mines);
    if (firesObjects && d.ImageName.empty()) Problem(file, w, "ImageName", "the weapon's shots have no picture");
    if (firesObjects && d.ExplName.empty()) Problem(file, w, "ExplName", "the weapon's shots have no detonation picture");
    if (IsCraftLauncher(d.ClassWord) && d.ImageName.empty())
      Problem(file, w, "ImageName", "no craft class named");

    for (const auto& [key, name] : {std::pair<std::string, std::string>{"FireSound", d.FireSound}, {"HitSound", d.HitSound}})
      if (!name.empty() && !Sounds.Has(name)) Problem(file, w, key, "sound \"" + name + "\" is not in sounds/sounds.adf");

    if (!d.ImageName.empty()) {
      if (IsCraftLauncher(d.ClassWord)) {
        if (!classes.Has(d.ImageName))
          Problem(file, w, "ImageName", "craft class \"" + d.ImageName + "\" does not exist in " + Relative(shipsFile));
      } else if (d.Animated) {
        for (int n = 1; n <= d.MaxCycles && n <= 10000; ++n)
          if (!BattleImages.Has(d.ImageName + "_" + std::to_string(n))) {
            Problem(file, w, "ImageName", "picture \"" + d.ImageName + "_" + std::to_string(n) + "\" is not loaded for battles");
            break;
          }
      } else if (!BattleImages.Has(d.ImageName)) {
        Problem(file, w, "ImageName", "picture \"" + d.ImageName + "\" is not loaded for battles");
      }
    }
    if (!d.ExplName.empty()) {
      if (d.AnimationFrames <= 0) {
        if (!BattleImages.Has(d.ExplName))
          Problem(file, w, "ExplName", "picture \"" + d.ExplName + "\" is not loaded for battles");
      } else {
        for (int n = 1; n <= d.AnimationFrames && n <= 10000; ++n)
          if (!BattleImages.Has(d.ExplName + std::to_string(n))) {
            Problem(file, w, "ExplName", "picture \"" + d.ExplName + std::to_string(n) + "\" is not loaded for battles");
            break;
          }
      }
    }
  }
};

}  // namespace

std::vector<std::string> CheckGameData(const std::string& root) { return TChecker(root).Run(); }

}  // namespace sw
