#pragma once
// The class-word table: which weapon class a weapon section's Class word builds. Each weapon
// family (guns, mines, beams, craft, devices) fills in the builders of its own rows; a word whose
// family is not in the game yet is still a known word, but builds the empty weapon.
#include <memory>
#include <string>
#include <vector>

#include "weapons/DataWarnings.h"
#include "weapons/WeaponDefinition.h"

namespace sw {

class TGameObject;
class TWeapon;
class IBattleAccess;

enum class TWeaponFamily { Base, Guns, Mines, Beams, Craft, Devices };

using TWeaponBuilder = std::unique_ptr<TWeapon> (*)(TGameObject* owner, const std::string& ownerKey,
                                                    const TWeaponDefinition& def, IBattleAccess* battle);

struct TClassWordRow {
  const char* Word;       // compared exactly, letter case included
  const char* ClassName;  // the class it stands for
  TWeaponFamily Family;
  TWeaponBuilder Build;   // nullptr while the family is not built
};

// The table in the order the words are compared.
const std::vector<TClassWordRow>& ClassWordTable();
// The row whose word equals `word` exactly (case-sensitive), or nullptr.
const TClassWordRow* FindClassWord(const std::string& word);

// Builds the weapon for one slot of a ship: the section `ident` of the weapon file `weaponsFile`.
// The identifier "EMPTY" always gives the empty weapon. A class word that matches no class, or
// one whose family is not in the game yet, gives the empty weapon and a warning naming the file,
// the section and the word: the ship still flies and fights with its other slot.
std::unique_ptr<TWeapon> CreateWeapon(TGameObject* owner, const std::string& ownerKey, const std::string& ident,
                                      const std::string& weaponsFile, IBattleAccess* battle,
                                      TDataWarnings* warnings = nullptr);

}  // namespace sw
