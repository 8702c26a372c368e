// The data check of the story files: each broken name is found and named by file, section and
// key, and nothing else is.
#include <gtest/gtest.h>

#include <algorithm>

#include "StoryKit.h"
#include "campaign/StoryCheck.h"

using namespace sw;

namespace {

std::vector<std::string> Where(const std::vector<std::string>& lines) {
  // FILE:SECTION:KEY of each line, sorted.
  std::vector<std::string> where;
  for (const auto& l : lines) where.push_back(l.substr(0, l.find(": ")));
  std::sort(where.begin(), where.end());
  return where;
}

}  // namespace

TEST(StoryCheck, NamesEveryBrokenNameOfTheTriggersAndEvents) {
  TStoryRoot root;
  const std::string e = "data/testcamp/events.adf:", t = "data/testcamp/triggers.adf:";
  // The test story breaks a few names on purpose: a missing picture, a device no one has,
  // relations out of range, a destination and a character that do not exist, the player's fleet
  // destroyed.
  std::vector<std::string> expected = {e + "EVERYTHING:QLL",         e + "EVERYTHING:VSK",
                                       e + "LOOP:GIVE_DEVICE",        e + "NOPIC:IMAGE",
                                       e + "STRAY:DESTROY_FLEET@Vanguard", e + "STRAY:ENVOKE_DIALOG",
                                       e + "STRAY:SEND@Wanderer"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Where(CheckStoryFiles(*root.Load())), expected);

  root.Edit("data/testcamp/triggers.adf", "TRIGGER_EVENT=TICK", "TRIGGER_EVENT=TOCK");
  root.Edit("data/testcamp/triggers.adf", "TRIGGER_CHAR=Admiral Rhee", "TRIGGER_CHAR=Admiral Ree\nTRIGGER_SPEED=3");
  root.Edit("data/testcamp/triggers.adf", "TRIGGER_KILL_FLEET=Raider 101", "TRIGGER_KILL_FLEET=Raider 102");
  root.Edit("data/testcamp/triggers.adf", "TRIGGER_LOOSE_SHIP=Scout", "TRIGGER_LOOSE_SHIP=Scoot");
  root.Edit("data/testcamp/events.adf", "TEXT2=Find the relic.", "TEXT4=Find the relic.\nTEXT_COLOR=2");
  root.Edit("data/testcamp/events.adf", "GET_SHIP2@Vanguard=Cruiser", "GET_SHIP2@Vanguard=Crusier\nGET_SHIP3@Vanguard=Scout");
  root.Edit("data/testcamp/events.adf", "CAPTURE_SYSTEM1=Far;TFG", "CAPTURE_SYSTEM1=Farr;TFX");
  root.Edit("data/testcamp/events.adf", "MAKE_KNOWN1=WormA", "MAKE_KNOWN1=WormA\nMAKE_KNOWN2=WormB");
  root.Edit("data/testcamp/events.adf", "FAIL_EVENT=BROKE", "FAIL_EVENT=BROKEN");
  root.Edit("data/testcamp/events.adf", "ADD_BLUE1=Cruiser;300", "ADD_BLUE1=Cruiser");
  root.Edit("data/testcamp/events.adf", "CHARS@Admiral Rhee=SECOND", "CHARS@Admiral Ree=SECOND\nRACE@XYZ=A");
  root.Edit("data/testcamp/events.adf", "TELEPORT@Drifter=#Near", "TELEPORT@Drifter=near");
  root.Edit("data/testcamp/events.adf", "GET_RU=1\n", "GET_RU=one\n");
  root.Edit("data/testcamp/events.adf", "IMAGE=welcome", "IMAGE=..\\welcome");
  std::vector<std::string> broken = {
      t + "AT_NEAR:TRIGGER_EVENT",         t + "RELIC_FOUND:TRIGGER_CHAR",   t + "RELIC_FOUND:TRIGGER_SPEED",
      t + "RAIDER_DOWN:TRIGGER_KILL_FLEET", t + "RELIC_FOUND:TRIGGER_LOOSE_SHIP",
      e + "WELCOME:TEXT4",                 e + "WELCOME:TEXT_COLOR",         e + "WELCOME:IMAGE",
      e + "EVERYTHING:GET_SHIP2@Vanguard", e + "EVERYTHING:GET_SHIP3@Vanguard",
      e + "EVERYTHING:CAPTURE_SYSTEM1",    e + "EVERYTHING:CAPTURE_SYSTEM1", e + "EVERYTHING:MAKE_KNOWN2",
      e + "PAY:FAIL_EVENT",                e + "EVERYTHING:ADD_BLUE1",       e + "EVERYTHING:CHARS@Admiral Ree",
      e + "EVERYTHING:RACE@XYZ",           e + "EVERYTHING:TELEPORT@Drifter", e + "TICK:GET_RU"};
  broken.insert(broken.end(), expected.begin(), expected.end());
  std::sort(broken.begin(), broken.end());
  EXPECT_EQ(Where(CheckStoryFiles(*root.Load())), broken);
}
