#pragma once
// What the screens and the campaign may read and ask of the main window, through its one
// global reference: the folders, the image lists, the sound list, the display, the input
// device, the settings and the state-changing operation.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "media/Canvas.h"
#include "media/Display.h"
#include "media/ImageList.h"
#include "media/Input.h"
#include "media/PadButtons.h"
#include "media/PadStick.h"
#include "media/Timer.h"
#include "media/WaveList.h"

namespace sw {

// The game states: which screen is live.
enum TGameStateId : uint8_t {
  gsCampaign = 0,
  gsSplash = 1,
  gsMenu = 2,
  gsCredits = 3,
  gsDogfight = 4,
  gsBattle = 5,
  gsOptions = 6,
  gsSelector = 7,
  gsControls = 8,  // the Controls screen, opened from the options
};

class TMainWindow {
public:
  virtual ~TMainWindow() = default;

  // The only way to change the live screen: now, or through the fade to white.
  virtual void SetGameState(uint8_t state, bool immediate) = 0;
  // Feeds a key to the key handler as if it had been pressed (the options screen uses it).
  virtual void SimulateKey(int key, bool shift, bool ctrl, bool alt) = 0;
  virtual void SetGammaOffset(int offset) = 0;
  virtual void ApplySfxVolume() = 0;
  virtual void ApplyMusicVolume() = 0;
  // Reports an error that abandoned a tick or handler; the game goes on.
  virtual void ReportError(const std::string& message) = 0;
  // Asks the application to end after this tick.
  virtual void Terminate() = 0;
  // Creates the battle from the battle.adf just written, records where to return when it
  // ends (4 the dogfight set-up, 0 the campaign) and switches to the battle at once. A battle
  // file that cannot be fought is reported and the game stays where it was.
  virtual void StartBattle(uint8_t returnState) = 0;
  // Ends a running battle from the options screen: side 2 wins and the result screen follows.
  virtual void AbortBattle() = 0;
  // True while a battle exists (from its start until its result screen is left).
  virtual bool BattleExists() const = 0;

  // Folders, each with a trailing slash.
  std::string ProgramFolder, GraphicsFolder, ShipsFolder, DataFolder, SoundsFolder, MusicFolder, DialogsFolder,
      AnimationsFolder, ProjectilesFolder, CampaignGraphicsFolder, SavesFolder;

  uint8_t GameState = gsSplash;
  uint8_t CampaignSubScreen = 1;
  uint8_t BattleReturnState = gsDogfight;
  uint8_t OptionsReturnState = gsMenu;
  uint8_t PendingState = gsSplash;
  int FadeOutStep = 5;
  int FadeInStep = 0;
  int GammaOffset = 0;
  int SfxVolume = 0;
  int MusicVolume = 0;
  bool DrawPointers = true;
  // Each pilot's pad buttons, from config.ini (PAD_<control> in PLAYER1 / PLAYER2).
  std::array<TPadBindings, 2> PadBindings{DefaultPadBindings(), DefaultPadBindings()};
  // The pad each pilot flies with (CON_TYPE in config.ini): 0 the keyboard, 1 the first pad or
  // joystick, 2 the second pad.
  std::array<int, 2> PilotPadSlot{0, 0};
  // How far a pad's stick must be pushed (percent of its travel) and how much its reading is
  // scaled (percent): config.ini [MISC] PAD_DEADZONE and PAD_SENSITIVITY, set on the options screen.
  int PadDeadZone = PadDeadZoneDefault;
  int PadSensitivity = PadSensitivityDefault;
  bool CursorVisible = false;
  bool InterceptRangesShown = false;
  bool SensorRangesShown = true;
  bool FuelRangeShown = true;
  bool LoadOpenedFromMenu = false;
  bool GhostMode = false;
  TGammaRamp SavedGammaRamp{};

  // The mouse position over the 800 x 600 picture.
  int MouseX = 0, MouseY = 0;

  std::unique_ptr<TDXDraw> DXDraw;
  std::unique_ptr<TDXImageList> DXImageListMain, DXImageListDF, DXImageListM, DXImageListMG;
  std::unique_ptr<TDXWaveList> DXWaveList;
  std::unique_ptr<TDXInput> DXInput;
  TDXTimer DXTimer;
};

// The main window; set while it exists.
extern TMainWindow* fmMain;

}  // namespace sw
