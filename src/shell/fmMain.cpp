#include "shell/fmMain.h"

#include <algorithm>
#include <chrono>
#include <iostream>

#include "ai/ComputerPilot.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "media/Pads.h"
#include "shell/BuiltinImages.h"

namespace sw {

TfmMain::TfmMain(const TPlatform& platform, const std::string& programFolder) : Platform(platform) {
  fmMain = this;
  ProgramFolder = programFolder;
  if (!ProgramFolder.empty() && ProgramFolder.back() != '/') ProgramFolder += '/';
  DXDraw = std::make_unique<TDXDraw>();
  DXDraw->SetPresenter(Platform.Presenter);
  DXImageListMain = std::make_unique<TDXImageList>();
  DXImageListDF = std::make_unique<TDXImageList>();
  DXImageListM = std::make_unique<TDXImageList>();
  DXImageListMG = std::make_unique<TDXImageList>();
  DXWaveList = std::make_unique<TDXWaveList>(Platform.Audio);
  DXInput = std::make_unique<TDXInput>();
  DXTimer.Interval = 30;
  DXTimer.Enabled = true;
  ComputerPilot = FlyComputerShip;
}

TfmMain::~TfmMain() {
  FormDestroy();
  if (fmMain == this) fmMain = nullptr;
}

void TfmMain::Guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    ReportError(e.what());
  }
}

void TfmMain::ReportError(const std::string& message) {
  std::cerr << "starwake: " << message << std::endl;
  Errors.push_back(message);
  ErrorLine = message;
  ErrorTicks = 100;  // about three seconds at the default speed
}

void TfmMain::FormCreate() {
  GammaOffset = 0;
  CursorVisible = false;
  GraphicsFolder = ProgramFolder + "graphics/";
  ShipsFolder = ProgramFolder + "ships/";
  DataFolder = ProgramFolder + "data/";
  SoundsFolder = ProgramFolder + "sounds/";
  MusicFolder = SoundsFolder + "music/";
  DialogsFolder = DataFolder + "dialogs/";
  AnimationsFolder = GraphicsFolder + "animations/";
  ProjectilesFolder = GraphicsFolder + "projectiles/";
  CampaignGraphicsFolder = GraphicsFolder + "campaigns/";
  SavesFolder = ProgramFolder + "saves/";
  LoadBuiltinImages();
  LoadStartupLists();
  InterceptRangesShown = false;
  SensorRangesShown = true;
  FuelRangeShown = true;
}

void TfmMain::LoadBuiltinImages() {
  struct TListFolder {
    TDXImageList* List;
    const char* Folder;
    const std::vector<TBuiltinImage>& Images;
  };
  const TListFolder lists[] = {
      {DXImageListMain.get(), "main", BuiltinImagesMain()},
      {DXImageListDF.get(), "df", BuiltinImagesDF()},
      {DXImageListM.get(), "m", BuiltinImagesM()},
      {DXImageListMG.get(), "mg", BuiltinImagesMG()},
  };
  for (const auto& l : lists)
    for (const auto& img : l.Images)
      Guarded([&] { l.List->LoadImage(img.Name, GraphicsFolder + "builtin/" + l.Folder + "/" + img.Name + ".img", img.Key); });
  Guarded([&] {
    TWaveItem& snap = DXWaveList->LoadWave("snapshot", SoundsFolder + "builtin/snapshot.wav", false);
    snap.SetVolume(SfxVolume);
  });
}

void TfmMain::LoadStartupLists() {
  // A picture asked for by name but not loaded is shown once on the error line, not on every
  // frame that asks for it; the screen draws on without it.
  for (TDXImageList* list : {DXImageListMain.get(), DXImageListDF.get(), DXImageListM.get(), DXImageListMG.get()})
    list->OnMissing = [this](const std::string& message) { ReportError(message); };
  // The planet sheet: 5 rows by 5 columns of 40 x 40.
  Guarded([&] { DXImageListMG->CutSheet("planet", GraphicsFolder + "planets.img", 40, 40, 5, 5); });
  // Animations: one sheet per section.
  std::string animations = AnimationsFolder + "animations.adf";
  for (const std::string& s : AdfReadSections(animations)) {
    int xCount = AdfReadInteger(animations, s, "X_COUNT", 0);
    int yCount = AdfReadInteger(animations, s, "Y_COUNT", 0);
    int x = AdfReadInteger(animations, s, "X", 0);
    int y = AdfReadInteger(animations, s, "Y", 0);
    Guarded([&] { DXImageListM->CutSheet(s, AnimationsFolder + s + ".img", y, x, yCount, xCount); });
  }
  // Projectiles: one image per key, keyed by the colour its value names.
  std::string projs = ProjectilesFolder + "projs.adf";
  for (const std::string& k : AdfReadKeys(projs, "PROJECTILES")) {
    TColor key = StringToColor(AdfReadString(projs, "PROJECTILES", k, "clBlack"), clBlack);
    Guarded([&] { DXImageListM->LoadImage(k, ProjectilesFolder + k + ".img", key); });
  }
  Guarded([&] { DXImageListM->LoadImage("bbattle", GraphicsFolder + "bbattle.img", clBlack); });
  Guarded([&] { DXImageListM->LoadImage("abattle", GraphicsFolder + "abattle.img", clBlack); });
  FadeOutStep = 5;
  FadeInStep = 0;
  std::string sounds = SoundsFolder + "sounds.adf";
  for (const std::string& k : AdfReadKeys(sounds, "SOUNDS"))
    Guarded([&] { DXWaveList->LoadWave(k, SoundsFolder + k + ".wav", false).SetVolume(SfxVolume); });
}

void TfmMain::DXDrawInitializeSurface() {
  DXDraw->Initialize();
  Splash = std::make_unique<TSplash>();
  // A screen that cannot be built is reported; the others still come up.
  Guarded([&] { Dogfight = std::make_unique<TDogfight>(); });
  Guarded([&] { Options = std::make_unique<TOptions>(); });
  Guarded([&] { Selector = std::make_unique<TSelector>(); });
  Guarded([&] { Controls = std::make_unique<TControlsScreen>(); });
  GhostMode = false;
  // The tutorial campaign; one that cannot be loaded is reported and the front end still works.
  StartCampaign("", "", "");
  SavedGammaRamp = DXDraw->GetGammaRamp();
  SetGameState(gsSplash, true);
  Guarded([&] { LoadConfig(); });
  if (MusicVolume >= -3999) PlayMusic("MenuMusic");
}

void TfmMain::FormDestroy() {
  if (Destroyed) return;
  Destroyed = true;
  Guarded([&] { SaveConfig(); });
  // The other player hears that this game has gone.
  Guarded([&] { CloseNet(); });
  // The screens first, then the battle if one is still on.
  Splash.reset();
  Dogfight.reset();
  Options.reset();
  Selector.reset();
  Controls.reset();
  Campaign.reset();
  Battle.reset();
}

void TfmMain::FormDeactivate() {
  DXInput->ReleaseAll();
  // A network duel goes on while its player looks at another window: the other game waits
  // for this one's commands (all off meanwhile) and would soon take it for gone.
  if (Net) return;
  DXTimer.Enabled = false;
  DXDraw->ReleaseDisplay();
}

void TfmMain::FormActivate() {
  // Coming back after the player switched away: restore the display and run again.
  DXDraw->Initialize();
  DXTimer.Enabled = true;
}

void TfmMain::PlayMusic(const std::string& name) {
  if (DXWaveList->IndexOf(name) >= 0) DXWaveList->Find(name).Play(false);
}

void TfmMain::StopMusic(const std::string& name) {
  if (DXWaveList->IndexOf(name) >= 0) DXWaveList->Find(name).Stop();
}

void TfmMain::SetStateNow(uint8_t s) {
  // A network duel belongs to the dogfight: leaving for the menu or the campaign leaves it, and
  // the other player hears so (a battle the host launched later would replace this game's own).
  if (Net && (s == gsMenu || s == gsCampaign)) {
    Guarded([&] { CloseNet(); });
    NetStatus = "You left the network duel";
  }
  if (s != gsCampaign) StopMusic("LoopMusic");
  else PlayMusic("LoopMusic");
  if (s == gsBattle || s == gsCampaign) StopMusic("MenuMusic");
  CursorVisible = !(s == gsSplash || s == gsBattle);
  switch (s) {
    case gsCampaign: DXDraw->InstallPalette(DXImageListMG->Palette); break;
    case gsDogfight: DXDraw->InstallPalette(DXImageListDF->Palette); break;
    case gsBattle: DXDraw->InstallPalette(DXImageListM->Palette); break;
    default: DXDraw->InstallPalette(DXImageListMain->Palette); break;
  }
  GameState = s;
}

void TfmMain::SetGameState(uint8_t state, bool immediate) {
  if (immediate) {
    SetStateNow(state);
  } else {
    FadeOutStep = 0;
    PendingState = state;
  }
}

TGammaRamp TfmMain::RampPlus(int amount) const {
  TGammaRamp r = SavedGammaRamp;
  for (auto& channel : r)
    for (auto& e : channel) e = static_cast<uint16_t>(std::clamp(static_cast<int>(e) + amount, 0, 65535));
  return r;
}

void TfmMain::RunFade() {
  if (FadeOutStep < 5) {
    if (FadeOutStep == 4) {
      FadeInStep = 5;
      SetStateNow(PendingState);
    }
    DXDraw->SetGammaRamp(RampPlus(13200 * (FadeOutStep + 1)));
    ++FadeOutStep;
  }
  if (FadeInStep > 0) {
    int old = FadeInStep--;
    DXDraw->SetGammaRamp(RampPlus(13200 * (old - 1)));
    if (FadeInStep == 0) {
      DXDraw->SetGammaRamp(SavedGammaRamp);
      SetGammaOffset(GammaOffset);
    }
  }
}

void TfmMain::SetGammaOffset(int offset) {
  DXDraw->SetGammaRamp(offset == 0 ? SavedGammaRamp : RampPlus(offset));
}

void TfmMain::ApplySfxVolume() {
  SfxVolume = std::clamp(SfxVolume, -4000, 0);
  for (int i = 0; i < DXWaveList->Count(); ++i) DXWaveList->At(i)->SetVolume(SfxVolume);
  for (const char* m : {"MeleeMusic", "MenuMusic", "LoopMusic"})
    if (DXWaveList->IndexOf(m) >= 0) DXWaveList->Find(m).SetVolume(MusicVolume);
}

void TfmMain::ApplyMusicVolume() {
  MusicVolume = std::clamp(MusicVolume, -4000, 0);
  for (const char* m : {"MeleeMusic", "MenuMusic", "LoopMusic"})
    if (DXWaveList->IndexOf(m) >= 0) DXWaveList->Find(m).SetVolume(MusicVolume);
}

void TfmMain::DXTimerTimer() {
  ++TickCount;
  BattleReadInput = false;
  // The pilots' control types, pad buttons and stick settings may have changed since the last
  // frame: the pads' controls are set again before anything reads them.
  if (Pads) Guarded([&] { Pads->Refresh(); });
  Guarded([&] { NetTickStart(); });
  if (GameState == gsCampaign && Campaign) {
    auto start = std::chrono::steady_clock::now();
    Guarded([&] { Campaign->FrameUpdate(GhostMode); });
    UpdateMicros += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  }
  Guarded([&] { AutosaveStep(); });
  Guarded([&] {
    RunFade();
    if (!DXDraw->CanDraw()) return;
    DXDraw->Fill(clBlack);
    DrawLiveScreen();
  });
  if (!DXDraw->CanDraw()) {
    ReadInputOutsideBattle();
    Guarded([&] { NetTickEnd(); });
    return;
  }
  Guarded([&] {
    if (CursorVisible) DXImageListMain->Find("cursor").Draw(DXDraw->Surface, MouseX, MouseY);
  });
  Guarded([&] { DrawQuestion(); });
  Guarded([&] { DrawNotice(); });
  DrawErrorLine();
  DXDraw->Flip();
  ReadInputOutsideBattle();
  Guarded([&] { NetTickEnd(); });
}

void TfmMain::ReadInputOutsideBattle() {
  // The battle reads the input device once per step. On every other tick the main window reads
  // it, so presses latched on a menu, the map or a paused battle are dropped here instead of
  // toggling the autopilot or the lock when a battle runs again.
  if (!BattleReadInput) DXInput->Update();
}

void TfmMain::DrawErrorLine() {
  if (ErrorTicks <= 0) return;
  --ErrorTicks;
  try {
    TCanvas canvas(DXDraw->Surface);
    canvas.Brush.Color = RGB(40, 0, 0);
    canvas.FillRect({0, 582, 800, 600});
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Size = 9;
    canvas.Font.Color = RGB(255, 200, 120);
    canvas.TextOut(6, 583, ErrorLine);
  } catch (const std::exception&) {
    // No font to write with: the message is still on stderr.
  }
}

TCampaignEnv TfmMain::CampaignEnv() {
  TCampaignEnv env;
  env.ProgramFolder = ProgramFolder;
  env.DataFolder = DataFolder;
  env.GraphicsFolder = GraphicsFolder;
  env.SavesFolder = SavesFolder;
  env.MusicFolder = MusicFolder;
  env.Images = DXImageListMG.get();
  env.Waves = DXWaveList.get();
  env.Surface = &DXDraw->Surface;
  env.SubScreen = &CampaignSubScreen;
  env.Report = [this](const std::string& message) {
    if (CampaignProblemsReported.insert(message).second) ReportError(message);
  };
  return env;
}

bool TfmMain::StartCampaign(const std::string& folder, const std::string& saveFolder, const std::string& title) {
  // The sub-screen belongs to the running campaign: a campaign that is refused leaves it as it was.
  const uint8_t subScreen = CampaignSubScreen;
  try {
    auto campaign = std::make_unique<TGameMain>(CampaignEnv(), folder, saveFolder, title);
    Campaign = std::move(campaign);
    ++CampaignSerial;
    CampaignSubScreen = csMap;
    ApplyMusicVolume();
    return true;
  } catch (const std::exception& e) {
    CampaignSubScreen = subScreen;
    ReportError(e.what());
    return false;
  }
}

void TfmMain::MouseMove(int x, int y) {
  MouseX = x;
  MouseY = y;
}

}  // namespace sw
