// Saved games from the main window: the selector's continue in its load and save modes (and
// the runner's --load) come here with the section of the chosen slot in the slot index; the
// autosave, the question asked before a save is overwritten or a backup is loaded, and the
// notices that say a save was made live here too.
#include <chrono>

#include "campaign/SaveGame.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/Input.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

// The question's box and its two buttons.
const TRect QuestionBox{190, 250, 610, 350};
const TRect YesButton{300, 314, 380, 338};
const TRect NoButton{420, 314, 500, 338};

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

// Sub-screens that hold something a save cannot keep (a talk, the encounter menu, the combat
// set-up, an event, an expedition, a trade): an autosave waits until they close.
bool BusySubScreen(uint8_t subScreen) {
  switch (subScreen) {
    case csCommunication:
    case csEncounter:
    case csCombat:
    case csEvent:
    case csLanding:
    case csMining:
    case csTrade: return true;
    default: return false;
  }
}

// "14.03.2311 at Halden", "14.03.2311 in open space", or the computer's date for an old entry.
std::string WhereAndWhen(const TSlotInfo& row) {
  if (!row.HasPlace) return row.Date;
  return row.StarDate + (Trim(row.Location).empty() ? " in open space" : " at " + row.Location);
}

}  // namespace

bool TfmMain::LoadSavedGame(const std::string& section) {
  TSaveGame saves(SavesFolder);
  // The row of the list: the index entry, or the slot folder's own record when the index lost it.
  const TSlotInfo row = saves.FindSlot(section);
  if (section.empty() || row.Section.empty()) {
    ReportError("The saved game " + section + " cannot be loaded: the slot is empty");
    return false;
  }
  const std::string problem = saves.LoadProblem(row.Folder, row.Campaign, DataFolder, row.Version);
  if (problem.empty()) return StartCampaign(row.Campaign, row.Folder, row.Title);
  ReportError(problem);
  // A numbered slot that cannot be read offers its backup, when that one can be; a slot of a
  // newer game is not damaged, and its backup is no older game's either.
  const int slot = TSaveGame::SlotNumber(section);
  if (slot < 1 || problem == TSaveGame::NewerVersionMessage) return false;
  std::string backup = TSaveGame::SlotFolder(slot);
  backup.insert(backup.size() - 1, ".bak");
  const std::string record = SavesFolder + "save" + std::to_string(slot) + ".bak/save.adf";
  const std::string campaign = FileExists(record) ? AdfReadString(record, "SAVE", "CNAME", row.Campaign) : row.Campaign;
  const std::string title = FileExists(record) ? AdfReadString(record, "SAVE", "NAME", row.Title) : row.Title;
  if (!saves.LoadProblem(backup, campaign, DataFolder, FileExists(record) ? AdfReadInteger(record, "SAVE", "VERSION", 1) : 1)
           .empty())
    return false;
  std::string when = FileExists(record) ? AdfReadString(record, "SAVE", "STAR_DATE", "") : "";
  if (when.empty()) when = AdfReadString(record, "SAVE", "DATE", "an earlier day");
  Ask("Slot " + std::to_string(slot) + " is damaged. Load its backup of " + when + "?", [this, campaign, backup, title] {
    if (StartCampaign(campaign, backup, title)) {
      SetGameState(gsCampaign, false);
      CampaignSubScreen = csMap;
    }
  });
  return false;
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
    ShowNotice("Saved to slot " + std::to_string(slot));
    return true;
  } catch (const std::exception& e) {
    ReportError(e.what());
    return false;
  }
}

void TfmMain::AskSaveToSlot(const std::string& section) {
  auto save = [this, section] {
    if (SaveToSlot(section)) SetGameState(gsOptions, false);
  };
  const int slot = TSaveGame::SlotNumber(section);
  TSaveGame saves(SavesFolder);
  const TSlotInfo row = saves.FindSlot(section);
  // A slot is in use when the list has it or its folder lies on disk.
  const bool used = slot > 0 && (!row.Section.empty() || FileExists(SavesFolder + "save" + std::to_string(slot)));
  if (!used) {
    save();
    return;
  }
  const std::string when = row.Section.empty() ? "-" : WhereAndWhen(row);
  Ask("Overwrite " + (when == "-" ? "the save in slot " + std::to_string(slot) : "the save of " + when) + "?", save);
}

// ---- The question and the notices ----

void TfmMain::Ask(const std::string& text, std::function<void()> yes, std::function<void()> no) {
  Question = std::make_unique<TQuestion>();
  Question->Text = text;
  Question->Yes = std::move(yes);
  Question->No = std::move(no);
}

void TfmMain::QuestionMouseDown(int x, int y) {
  const bool yes = Inside(YesButton, x, y);
  if (!yes && !Inside(NoButton, x, y)) return;  // a click beside the buttons answers nothing
  PlayClick();
  // The question closes before its answer runs: the answer may ask another.
  std::unique_ptr<TQuestion> asked = std::move(Question);
  if (yes && asked->Yes) asked->Yes();
  if (!yes && asked->No) asked->No();
}

void TfmMain::QuestionKeyDown(int key) {
  bool yes;
  if (key == 'Y' || key == vk::Return) yes = true;
  else if (key == 'N' || key == vk::Escape) yes = false;
  else return;
  std::unique_ptr<TQuestion> asked = std::move(Question);
  if (yes && asked->Yes) asked->Yes();
  if (!yes && asked->No) asked->No();
}

void TfmMain::DrawQuestion() {
  if (!Question) return;
  TCanvas canvas(DXDraw->Surface);
  canvas.Brush.Color = RGB(16, 20, 40);
  canvas.FillRect(QuestionBox);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Pen.Color = RGB(131, 133, 157);
  canvas.Pen.Width = 1;
  canvas.Rectangle(QuestionBox.Left, QuestionBox.Top, QuestionBox.Right, QuestionBox.Bottom);
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  canvas.Font.Color = RGB(220, 220, 235);
  const int width = canvas.TextWidth(Question->Text);
  canvas.TextOut(QuestionBox.Left + (QuestionBox.Width() - width) / 2, QuestionBox.Top + 22, Question->Text);
  for (const auto& [box, caption] : {std::pair{YesButton, "Yes"}, std::pair{NoButton, "No"}}) {
    canvas.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
    canvas.TextOut(box.Left + (box.Width() - canvas.TextWidth(caption)) / 2, box.Top + 4, caption);
  }
  canvas.Release();
}

void TfmMain::ShowNotice(const std::string& text) {
  Notice = text;
  NoticeTicks = 100;  // about three seconds at the default speed
  Notices.push_back(text);
}

void TfmMain::DrawNotice() {
  if (NoticeTicks <= 0) return;
  --NoticeTicks;
  TCanvas canvas(DXDraw->Surface);
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  const int width = canvas.TextWidth(Notice);
  const TRect box{400 - width / 2 - 12, 557, 400 + (width + 1) / 2 + 12, 580};
  canvas.Brush.Color = RGB(16, 40, 24);
  canvas.FillRect(box);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Color = RGB(190, 240, 200);
  canvas.TextOut(box.Left + 12, box.Top + 4, Notice);
  canvas.Release();
}

// ---- Autosave ----

bool TfmMain::AutosaveNow() {
  if (!Campaign) return false;
  const auto start = std::chrono::steady_clock::now();
  try {
    TSaveGame(SavesFolder).Autosave(*Campaign, Now());
  } catch (const std::exception& e) {
    ReportError(e.what());
    return false;
  }
  LastAutosaveMicros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  LastAutosaveTick = CampaignTicks;
  ++AutosaveCount;
  AutosaveDue = false;
  return true;
}

void TfmMain::AutosaveStep() {
  if (!Campaign) return;
  const TGameMain& game = *Campaign;
  const TFleet* player = game.PlayerFleet();
  const std::string here = player ? player->System : "";
  // A campaign started or loaded since the last tick: nothing of it is due yet.
  if (WatchedCampaign != &game || WatchedSerial != CampaignSerial) {
    WatchedCampaign = &game;
    WatchedSerial = CampaignSerial;
    WatchedSystem = here;
    WatchedBattle = false;
    AutosaveDue = false;
    LastAutosaveTick = -1;
  }
  // A campaign battle that is over and gone: its outcome has been taken back.
  const bool battle = Battle && BattleReturnState == gsCampaign;
  if (WatchedBattle && !battle) AutosaveDue = true;
  WatchedBattle = battle;
  if (GameState != gsCampaign) return;
  CampaignPlayed = true;
  ++CampaignTicks;
  // An arrival at a location saves unless the last autosave is younger than the interval.
  if (!here.empty() && !SameText(here, WatchedSystem) &&
      (LastAutosaveTick < 0 || CampaignTicks - LastAutosaveTick >= AutosaveInterval))
    AutosaveDue = true;
  WatchedSystem = here;
  if (game.GameOver) {
    AutosaveDue = false;
    return;
  }
  if (AutosaveDue && !BusySubScreen(CampaignSubScreen)) AutosaveNow();
}

void TfmMain::AutosaveOnLeaving() {
  if (!CampaignPlayed || !Campaign) return;
  CampaignPlayed = false;
  if (Campaign->GameOver) return;
  // The ships slotted for a fight that will not be fought go back to their fleets first.
  if (CampaignSubScreen == csCombat) Campaign->GiveBackSlots();
  // A talk, a trade or a party on a planet half done cannot be saved; the autosave before it
  // stays.
  if (BusySubScreen(CampaignSubScreen) && CampaignSubScreen != csCombat) return;
  if (AutosaveNow()) ShowNotice("Autosaved");
}

void TfmMain::Terminate() {
  AutosaveOnLeaving();
  Terminated = true;
}

}  // namespace sw
