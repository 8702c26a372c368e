// Saved games from the main window: the selector's continue in its load and save modes (and
// the runner's --load) come here with the section of the chosen slot in the slot index.
#include "campaign/SaveGame.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "shell/fmMain.h"

namespace sw {

bool TfmMain::LoadSavedGame(const std::string& section) {
  TSaveGame saves(SavesFolder);
  const std::string index = saves.IndexFile();
  // A slot's folder is always named in the letters the save wrote; any other section of the
  // index names its folder itself.
  const int slot = TSaveGame::SlotNumber(section);
  const std::string folder = slot > 0 ? TSaveGame::SlotFolder(slot) : section + "\\";
  const std::string campaign = AdfReadString(index, section, "CNAME", "");
  const std::string title = AdfReadString(index, section, "NAME", "");
  if (section.empty() || !AdfSectionExists(index, section)) {
    ReportError("The saved game " + section + " cannot be loaded: the slot is empty");
    return false;
  }
  const std::string problem = saves.LoadProblem(folder, campaign, DataFolder);
  if (!problem.empty()) {
    ReportError(problem);
    return false;
  }
  return StartCampaign(campaign, folder, title);
}

bool TfmMain::SaveToSlot(const std::string& section) {
  if (!Campaign) return false;
  const int slot = TSaveGame::SlotNumber(section);
  if (slot < 1) {
    ReportError("\"" + section + "\" is not a save slot");
    return false;
  }
  try {
    TSaveGame(SavesFolder).Save(*Campaign, slot, Now());
    return true;
  } catch (const std::exception& e) {
    ReportError(e.what());
    return false;
  }
}

}  // namespace sw
