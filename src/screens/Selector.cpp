#include "screens/Selector.h"

#include <memory>
#include <set>

#include "campaign/SaveGame.h"
#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/Canvas.h"
#include "media/MainWindow.h"

namespace sw {

namespace {

constexpr TColor ListColor = RGB(131, 133, 157);

const char* TitlePicture(uint8_t mode) {
  switch (mode) {
    case smLoad: return "tit_load";
    case smSave: return "tit_save";
    case smAddOns: return "tit_new_mod";
    default: return "tit_new_camp";
  }
}

void AddEmptySlots(TNamedList<TListItem>& entries) {
  // Slots the index does not list yet are offered empty, each before the first listed slot of
  // a higher number, so the list reads 1 to 10 whatever the index holds.
  for (int n = 1; n <= TSaveGame::OfferedSlots; ++n) {
    int at = entries.Count();
    bool listed = false;
    for (int i = 0; i < entries.Count() && !listed; ++i) {
      const int slot = TSaveGame::SlotNumber(entries.NameAt(i));
      listed = slot == n;
      if (slot > n && at == entries.Count()) at = i;
    }
    if (listed) continue;
    auto item = std::make_unique<TListItem>();
    item->Title = "Empty";
    item->Folder = TSaveGame::SlotSection(n) + "\\";
    item->Date = item->Time = "-";
    item->Line = item->Title;
    entries.Insert(at, TSaveGame::SlotSection(n), std::move(item));
  }
}

// The saves of the load and save lists, with what each row's first line says.
void FillSaves(TNamedList<TListItem>& entries, uint8_t mode, std::string& notice) {
  TSlotList list = TSaveGame(fmMain->SavesFolder).ListSlots();
  notice = list.Notice;
  std::set<std::string> campaigns;
  for (const TSlotInfo& row : list.Slots)
    if (row.Title != "Empty" && !row.Campaign.empty()) campaigns.insert(UpperCase(row.Campaign));
  for (const TSlotInfo& row : list.Slots) {
    // The autosaves are loaded, never saved into.
    if (row.Autosave && mode == smSave) continue;
    auto item = std::make_unique<TListItem>();
    item->Title = row.Title;
    item->Folder = row.Section + "\\";
    item->Date = row.Date;
    item->Time = row.Time;
    item->Campaign = row.Campaign;
    std::string line = row.Title;
    if (row.HasPlace) {
      line = row.StarDate + (Trim(row.Location).empty() ? " in open space" : " at " + row.Location);
      if (campaigns.size() > 1) line += " - " + row.Title;
    }
    if (row.Autosave) line = (row.Section == TSaveGame::AutosaveSection(0) ? "Autosave: " : "Older autosave: ") + line;
    item->Line = line;
    entries.Add(row.Section, std::move(item));
  }
}

}  // namespace

TSelector::TSelector() : Buttons(&fmMain->DXDraw->Surface, fmMain->DXImageListMain.get()) {
  fmMain->DXImageListMain->LoadImage("selector", ResolvePath(fmMain->GraphicsFolder + "selector.img"), clRed);
  Buttons.Add("canc_but", 290, 413, 73, 18, "canc_but", 3);
  Buttons.Add("cont_but", 454, 413, 73, 18, "cont_but", 3);
  Buttons.Add("scroll_up", 290, 218, 236, 12, "scroll_up", 3);
  Buttons.Add("scroll_down", 290, 399, 236, 12, "scroll_down", 3);
}

std::string TSelector::IndexFile(uint8_t mode) {
  switch (mode) {
    case smLoad:
    case smSave: return ResolvePath(fmMain->SavesFolder + "saves.adf");
    case smAddOns: return ResolvePath(fmMain->DataFolder + "add-ons/add-ons.adf");
    default: return ResolvePath(fmMain->DataFolder + "campaigns.adf");
  }
}

void TSelector::SetMode(uint8_t mode) {
  Mode = mode;
  Entries.Clear();
  Selected = 0;
  ScrollOffset = 0;
  Buttons.Find("cont_but").Alpha = AlphaNormal;
  Notice.clear();
  Focus.Key = "cont_but";
  const std::string file = IndexFile(mode);
  if (mode == smLoad || mode == smSave) {
    FillSaves(Entries, mode, Notice);
    AddEmptySlots(Entries);
  }
  for (const std::string& section : mode == smLoad || mode == smSave ? std::vector<std::string>{} : AdfReadSections(file)) {
    auto item = std::make_unique<TListItem>();
    switch (mode) {
      case smAddOns:
        item->Title = AdfReadString(file, section, "NAME", "");
        item->Folder = AdfReadString(file, section, "PREFIX", "");
        break;
      default:
        item->Title = AdfReadString(file, section, "TITLE", "");
        item->Folder = AdfReadString(file, section, "FOLDER", "");
        item->Date = AdfReadString(file, section, "DATE", "");
        item->Time = AdfReadString(file, section, "TIME", "");
        break;
    }
    Entries.Add(section, std::move(item));
  }
  fmMain->DXImageListMain->LoadImage("title", ResolvePath(fmMain->GraphicsFolder + TitlePicture(mode) + ".img"),
                                     clBlack);
}

TFocusTargets TSelector::FocusTargets() const {
  TFocusTargets targets;
  if (Mode != smAddOns) targets.push_back({"canc_but", Buttons.Find("canc_but").Rect()});
  if (CanContinue()) targets.push_back({"cont_but", Buttons.Find("cont_but").Rect()});
  return targets;
}

void TSelector::MoveSelection(bool down) {
  if (Mode == smNewCampaign) return;
  if (down) {
    if (Selected < Entries.Count() - 1) ++Selected;
  } else if (Selected > 0) {
    --Selected;
  }
}

bool TSelector::CanContinue() const {
  switch (Mode) {
    case smNewCampaign: return SelectedEntry() != nullptr;  // nothing to start from an empty index
    case smLoad: return SelectedEntry() != nullptr && SelectedEntry()->Title != "Empty";
    default: return true;
  }
}

void TSelector::Draw() {
  Buttons.Find("cont_but").Alpha = CanContinue() ? AlphaNormal : AlphaDimmed;
  TSurface& s = fmMain->DXDraw->Surface;
  TDXImageList& list = *fmMain->DXImageListMain;
  list.Find("menu").Draw(s, 0, 0);
  list.Find("selector").Draw(s, 270, 150);
  list.Find("title").Draw(s, 290, 170);

  const int last = RowCount() - 1, height = RowHeight();
  if (Selected + ScrollOffset > last) --ScrollOffset;
  if (Selected + ScrollOffset < 0) ++ScrollOffset;

  TCanvas canvas(s);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Size = 8;
  canvas.Font.Bold = false;
  canvas.Font.Color = ListColor;
  const bool saves = Mode == smLoad || Mode == smSave;
  for (int i = 0; i < Entries.Count(); ++i) {
    const int row = i + ScrollOffset;
    if (row < 0 || row > last) continue;
    const TListItem& entry = *Entries.At(i);
    const int y = 235 + height * row;
    canvas.TextOut(305, y, saves && !entry.Line.empty() ? entry.Line : entry.Title);
    if (saves) {
      canvas.TextOut(305, y + height / 2, entry.Date);
      canvas.TextOut(470, y + height / 2, entry.Time);
    }
  }
  canvas.Pen.Color = ListColor;
  canvas.Pen.Width = 1;
  const int top = 235 + height * (Selected + ScrollOffset);
  canvas.Rectangle(297, top, 518, top + height + 1);
  if (saves && !Notice.empty()) {
    canvas.Font.Color = RGB(230, 150, 110);
    // One line per clause, centred under the buttons within the frame.
    int y = 440;
    for (size_t start = 0; start < Notice.size(); y += 14) {
      size_t end = Notice.find("; ", start);
      const std::string line = Notice.substr(start, end == std::string::npos ? std::string::npos : end - start);
      canvas.TextOut(408 - canvas.TextWidth(line) / 2, y, line);
      start = end == std::string::npos ? Notice.size() : end + 2;
    }
  }
  canvas.Release();

  Buttons.Find("scroll_up").Draw();
  Buttons.Find("scroll_down").Draw();
  Buttons.Find("cont_but").Draw();
  if (Mode != smAddOns) Buttons.Find("canc_but").Draw();
  // The highlight stays where the player put it: on Continue it shows again as soon as the
  // selected entry can be continued with.
  Focus.Draw(s, FocusTargets());
  if (Focus.Key == "cont_but" && !CanContinue()) TMenuFocus::DrawFrame(s, Buttons.Find("cont_but").Rect(), true);
}

}  // namespace sw
