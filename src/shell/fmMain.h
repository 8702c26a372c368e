#pragma once
// The main window: owns the display, the image and sound lists, the input device, the frame
// timer and every screen; holds the game state and runs the frame tick.
#include <ctime>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "media/Audio.h"
#include "media/MainWindow.h"
#include "battle/Melee.h"
#include "campaign/GameMain.h"
#include "media/ControlBindings.h"
#include "media/MenuFocus.h"
#include "screens/ControlsScreen.h"
#include "net/NetSession.h"
#include "screens/Dogfight.h"
#include "screens/NetScreen.h"
#include "screens/Options.h"
#include "screens/Selector.h"
#include "screens/Splash.h"

namespace sw {

class TAdfBatch;
class TPads;

// What the main window needs from the platform it runs on.
struct TPlatform {
  IPresenter* Presenter = nullptr;
  IAudioBackend* Audio = nullptr;
  // The wall clock, used to name screenshots; tests inject a fixed one.
  std::function<std::time_t()> Now;
};

class TfmMain : public TMainWindow {
public:
  TfmMain(const TPlatform& platform, const std::string& programFolder);
  ~TfmMain() override;

  // Start-up loading: folders, shared images and sounds.
  void FormCreate();
  // The display is ready: create the screens and enter the splash.
  void DXDrawInitializeSurface();
  // Writes the settings and frees the screens.
  void FormDestroy();
  // The window lost activation: the frame timer stops and the display is released.
  void FormDeactivate();
  // The window is active again: the display is restored and the frame timer runs again.
  void FormActivate();

  // The frame tick.
  void DXTimerTimer();
  void FormKeyDown(int key, bool shift, bool ctrl, bool alt);
  // The platform's repeat of a held key. Commands act once per press, so a repeat only types on
  // in the find-a-star box; everywhere else it does nothing.
  void FormKeyRepeat(int key, bool shift, bool ctrl, bool alt);
  void DXDrawMouseDown(int button, int x, int y);
  // A move, press or back on the front end's screens (menu, credits, options, dogfight set-up,
  // selector, Controls): the arrows, Enter and Escape give these, and so may a pad's d-pad and
  // buttons. Keys reach it through FormKeyDown, one command per press.
  void MenuCommand(TMenuCommand command);
  // A game pad's button went down (a button number of PadButtons.h). A command waiting on the
  // Controls screen takes it; on the front end's screens the d-pad moves, A and Start press, B
  // and Back go back. True when the button was used here.
  bool MenuPadButtonDown(int button);
  void MouseMove(int x, int y);
  // The mouse wheel turned a notch down (+1) or up (-1).
  void MouseWheel(int step);

  void SetGameState(uint8_t state, bool immediate) override;
  void SimulateKey(int key, bool shift, bool ctrl, bool alt) override;
  void SetGammaOffset(int offset) override;
  void ApplySfxVolume() override;
  void ApplyMusicVolume() override;
  void ReportError(const std::string& message) override;
  // Leaving the game from a campaign autosaves it first (SavedGames.cpp).
  void Terminate() override;
  void StartBattle(uint8_t returnState) override;
  void AbortBattle() override;
  bool BattleExists() const override;

  // The brightness offset is kept within this, both ways, so that adding it to a gamma-ramp
  // entry can never overflow; far beyond it the screen is all white or all black anyway.
  static constexpr int GammaOffsetLimit = 1000000000;

  // The settings file in the program folder.
  std::string ConfigFile() const { return ProgramFolder + "config.ini"; }
  // Reads config.ini: speed, volumes, gamma, pointers and both players' controls.
  void LoadConfig();
  // Writes section MISC of config.ini, and the player sections' keys and pad buttons the player
  // changed on the Controls screen; every other line stays as it is.
  void SaveConfig();
  // The player sections' keys and pad buttons as config.ini holds them (or their defaults).
  TControlBindings SavedControls;
  // Saves the picture on screen as screenshots/image_<day><month><year>_<h><m><s>.bmp.
  void SaveScreenshot();
  // The wall clock, from the platform when it gives one.
  std::time_t Now() const { return Platform.Now ? Platform.Now() : std::time(nullptr); }

  bool Terminated = false;
  // Every error reported since start, in order.
  std::vector<std::string> Errors;
  // What the campaigns have reported: a campaign loaded again (a new game, a load) finds the
  // same data problems, and each is reported once.
  std::set<std::string> CampaignProblemsReported;
  // The screens, created when the display is ready.
  std::unique_ptr<TSplash> Splash;
  std::unique_ptr<TDogfight> Dogfight;
  std::unique_ptr<TOptions> Options;
  std::unique_ptr<TSelector> Selector;
  std::unique_ptr<TControlsScreen> Controls;
  // The battle, from its start until its result screen is left.
  std::unique_ptr<TMelee> Battle;
  // The campaign: the tutorial from start-up, replaced whenever a campaign is started.
  std::unique_ptr<TGameMain> Campaign;

  // Replaces the running campaign by the one of that folder (and save slot) under that title.
  // A campaign that cannot be loaded is reported and the running one is kept; false then.
  bool StartCampaign(const std::string& folder, const std::string& saveFolder, const std::string& title);
  // What a campaign needs of the main window.
  TCampaignEnv CampaignEnv();
  // Saved games (SavedGames.cpp), by the section of their slot in the slot index ("SAVE3").
  // Loading replaces the running campaign by the saved one; a slot that cannot be loaded is
  // reported and the running campaign is kept. Saving writes the running campaign into the
  // slot; a failure is reported and the slot keeps what it had. Each is false when it failed.
  bool LoadSavedGame(const std::string& section);
  bool SaveToSlot(const std::string& section);
  // The selector's continue in save mode: a slot that holds a save is only saved over once the
  // player said yes to the question; a save ends with the notice "Saved to slot N" and the
  // options screen.
  void AskSaveToSlot(const std::string& section);

  // ---- The question and the notices (SavedGames.cpp) ----
  // A question the game asks over the live screen, answered with its Yes or No button (or the
  // keys Y and Enter, N and Escape); nothing else takes a click or a key while it is open.
  struct TQuestion {
    std::string Text;
    std::function<void()> Yes, No;
  };
  std::unique_ptr<TQuestion> Question;
  void Ask(const std::string& text, std::function<void()> yes, std::function<void()> no = nullptr);
  // A short message shown for a few seconds ("Saved to slot 3", "Autosaved"); every one shown is
  // kept in order.
  void ShowNotice(const std::string& text);
  std::string Notice;
  int NoticeTicks = 0;
  std::vector<std::string> Notices;

  // ---- Autosave (SavedGames.cpp) ----
  // The campaign saves itself when the player's fleet arrives at a location (at most once every
  // AutosaveInterval ticks of campaign play), after a campaign battle's outcome is taken back,
  // and when the player leaves the campaign for the menu or quits; never while a talk, a trade,
  // a combat set-up, an event or an expedition is open (then as soon as it closes), and never
  // after the game is over.
  static constexpr long long AutosaveInterval = 4000;
  // Run every frame tick: notices arrivals and battles and autosaves when one is due.
  void AutosaveStep();
  // Leaving the campaign: autosaves with the notice "Autosaved" when the campaign was played.
  void AutosaveOnLeaving();
  // Saves the running campaign as the newest autosave now; false (reported) when it failed.
  bool AutosaveNow();
  // Ticks of campaign play, autosaves made, and what the last one cost on the frame it ran in.
  long long CampaignTicks = 0;
  int AutosaveCount = 0;
  double LastAutosaveMicros = 0;
  long long LastAutosaveTick = -1;  // CampaignTicks of the last autosave, -1 for none
  // Flies the computer's ships in every battle started from here.
  TComputerPilot ComputerPilot;

  // Counts the campaigns started, so the autosave tells a new one from the one before.
  long long CampaignSerial = 0;

  // Replays (Replays.cpp). Every battle fought here is kept as replays/last.adf when it ends,
  // and among the 20 newest in replays/recent/.
  // Plays a replay file as a battle, from its first step; a file that is refused is reported
  // in one line and false is returned. Escape leaves it for `returnState`.
  bool StartReplay(const std::string& path, uint8_t returnState);
  // The runner's playback: steps without drawing until the replay's end or its first mismatch.
  void PlayReplayToEnd();
  // Keeps the battle just fought (once per battle): replays/last.adf and replays/recent/.
  void KeepBattleReplay();
  // "Save replay" on the result screen: the last battle kept under its date, time and flagships
  // in replays/; the path written, or "" (reported) when there is nothing to save or it failed.
  std::string SaveLastReplay();
  // The replay being played (nullptr when the battle is a live one), its file and state.
  std::unique_ptr<TReplayCommands> ReplayPlayer;
  // Where the result screen's "Save replay" button lies.
  static constexpr TRect SaveReplayButton{340, 536, 460, 562};
  std::string ReplayFile;
  bool ReplayPaused = false;
  bool ReplayStepOnce = false;
  int ReplaySpeed = 1;            // steps a frame: 1, 2 or 4
  bool ReplayFinished = false;    // it reached its last step, or stopped at a mismatch
  std::string ReplayNotice;       // what the replay screen says under the tick (mismatch, version)
  // Playback goes on past a mismatch: the replay is being recorded again with new hashes.
  bool ReplayRecordsAgain = false;
  // The last battle kept, as replay text ("" before the first).
  std::string LastReplayText;
  std::string LastReplayName;     // <flagship>-vs-<flagship> of it

  // ---- Pads (PadHandling.cpp) ----
  // The pad layer of the platform (the window's or the runner's), or nullptr when there is
  // none; hears of pads plugged in and pulled out, and of their buttons.
  void AttachPads(TPads* pads);
  TPads* Pads = nullptr;
  // A pad going into or out of a slot. A pilot flying in the battle whose pad is pulled out
  // pauses the battle until a pad comes back to that pilot.
  void PadSlotChanged(int slot, bool plugged);
  // A pad's button going down: the front end's screens and the Controls screen take it first
  // (MenuPadButtonDown); elsewhere Start opens the options screen as Escape does, and any button
  // starts a battle waiting on its pre-battle screen.
  void PadButtonDown(int slot, int button);
  // The battle waits for a pilot's pad: nothing of it advances, and it says so.
  bool PausedForPad() const;
  static constexpr const char* PadLostNotice = "Pad disconnected \u2014 reconnect or press Escape";
  // Each pilot lost the pad it was flying with in this battle, and no pad came back yet.
  std::array<bool, 2> PadLost{false, false};
  // ---- The network duel (NetBattle.cpp) ----
  // Hosts a duel on the port, or calls "HOST[:PORT]"; a session already open is closed first.
  // False when it cannot start; NetStatus says why.
  bool StartNetHost(uint16_t port);
  bool StartNetJoin(const std::string& address);
  // The host launches the battle of battle.adf for both players; false (NetStatus says why)
  // when no player is connected or the battle cannot be fought.
  bool LaunchNetBattle();
  // Says goodbye and forgets the session.
  void CloseNet();
  // Opens the dogfight set-up with the Network panel and hosts on the port, or calls the
  // address (the game's --host and --join). False when the duel cannot start; the panel's
  // status line says why.
  bool OpenNetDuel(bool host, uint16_t port, const std::string& address);
  // The dogfight set-up's "Network" panel (NetPanel.cpp): its clicks, its keys (true when the
  // key was taken), its drawing over the set-up, and Fight! while a duel is connected (true
  // when the duel took it).
  TNetScreen NetPanel;
  void OpenNetPanel();
  void RouteNetPanel(int x, int y);
  bool NetPanelKeyDown(int key, bool shift);
  void DrawNetPanel();
  bool NetFight();
  // The line the network screen shows: the session's state, or why the last one ended.
  std::string NetStatusLine() const;
  std::unique_ptr<TNetSession> Net;
  std::string NetStatus;
  // The battle on is a network duel.
  bool NetBattle = false;
  // The runner starts a network battle fighting, without the pre-battle screen.
  bool NetSkipPreBattle = false;
  // Test switches: a worse line, a fixed input delay, another version told to the other game.
  TNetImpairment NetImpairment;
  int NetFixedDelay = 0;
  std::string NetVersion;
  // Test switch: after this battle tick, this game's side-1 flagship is moved a pixel, so the
  // two games go apart as a fault would make them (0: never).
  int64_t NetNudgeTick = 0;
  // The message the battle shows while it ends for the network, and frames left to show it.
  std::string NetEndMessage;
  int NetEndTicks = 0;
  // The battle is waiting for the other game's commands (shown after half a second).
  bool NetWaiting = false;
  // The last network battle as it ended (kept after it is freed): ticks fought, its state
  // hash then, the input delay, and the last tick both games' hashes agreed on.
  struct TNetRecord {
    int64_t Ticks = 0;
    uint64_t Hash = 0;
    int Delay = 0;
    int64_t AgreedTick = 0;
  };
  TNetRecord NetLast;
  // Takes the record of the network battle on now.
  void NoteNetBattle();
  // The network's own work (servicing ENet, sending) summed over all ticks, in microseconds,
  // and the ticks it ran in.
  double NetMicros = 0;
  long long NetTicks = 0;

  // Frame ticks run so far.
  long long TickCount = 0;
  // Time spent in simulation and in drawing, summed over all ticks (microseconds).
  double UpdateMicros = 0, DrawMicros = 0;

private:
  void LoadBuiltinImages();
  void LoadStartupLists();
  void RunFade();
  void SetStateNow(uint8_t state);
  void DrawLiveScreen();
  // The battle state: the pre-battle screen, the result screen, or one step and the battle view.
  void DrawBattleState();
  // A replay's frame: as many steps as its speed asks (none while paused), then the view and
  // the replay's own line.
  void DrawReplayFrame();
  // One playback step and its hash check; false when playback has stopped.
  bool ReplayStep();
  // The replay keys (Space, Right, 1, 2, 4, Escape); true when the key was used.
  bool ReplayKeyDown(int key);
  void LeaveReplay();
  // The result screen's "Save replay" button, and what became of the last save.
  void DrawSaveReplayButton();
  void SaveReplayFromResult();
  bool BattleReplayKept = false;
  std::string SavedReplayNote;
  // The campaign state: edge scrolling, the map, its overlays, the side menu and the open
  // campaign screen.
  void DrawCampaignState();
  void DrawErrorLine();
  void DrawPadNotice();
  // The open question and the notice, over everything else (SavedGames.cpp).
  void DrawQuestion();
  void DrawNotice();
  // A click or key while a question is open goes to it.
  void QuestionMouseDown(int x, int y);
  void QuestionKeyDown(int key);
  // What the autosave watches between ticks.
  const TGameMain* WatchedCampaign = nullptr;
  long long WatchedSerial = -1;
  std::string WatchedSystem;
  bool WatchedBattle = false;
  bool AutosaveDue = false;
  // The campaign was live since it was last autosaved on leaving.
  bool CampaignPlayed = false;
  // Whether this frame tick's battle step has read the input device.
  bool BattleReadInput = false;
  void ReadInputOutsideBattle();
  void PlayMusic(const std::string& name);
  void StopMusic(const std::string& name);
  TGammaRamp RampPlus(int amount) const;
  // Runs a handler, reporting any game error it raises.
  void Guarded(const std::function<void()>& work);

  // The key handler's stages: the campaign's own keys (true when the key was used up), then
  // the keys that work in every state.
  bool CampaignKeyDown(int key, bool shift, bool ctrl, bool alt);
  void CommonKeyDown(int key, bool shift, bool ctrl, bool alt);
  // What the key handler asks of the battle and the options screen (in KeyHandler.cpp).
  int BattlePhase() const;
  // The battle leaves its pre-battle screen for the fight, and the battle music starts.
  void StartBattleFight();
  // What every battle is built with: the game's folders, pictures, sounds, input and screen.
  TBattleEnvironment BattleEnvironment() const;
  void LeaveBattleResult();
  // The battle is given up for the main menu (the options' quit): nothing of a campaign battle
  // is lost.
  void GiveUpBattle();
  void PrepareOptionsFor(uint8_t state);
  // Escape, or the options button of the menu: the options open over the state left.
  void OpenOptionsFrom(uint8_t state);

  // Menus by keyboard and pad (MenuKeys.cpp).
  bool IsMenuScreen() const;
  // The arrows, Enter and Escape on a front-end screen; true when the key was used.
  bool MenuKeyDown(int key, bool ctrl, bool alt);
  void RunMenuCommand(TMenuCommand command);
  // The live screen's highlight and the buttons it may rest on; nullptr when it has none.
  TMenuFocus* LiveFocus(TFocusTargets& targets, std::string& preferred);
  void PressFocused(const std::string& key);
  void MenuBack();
  // The Controls screen (ControlsRouting.cpp).
  void OpenControls();
  void RouteControls(const std::string& key);
  void LeaveControls();
  // A key while a command on the Controls screen waits for its new key.
  void ControlsCaptureKey(int key);
  // Writes the keys and pad buttons that differ from what config.ini holds.
  void WriteChangedControls(TAdfBatch& batch);
  void SaveControls();

  // The mouse routing of the front-end screens (in MouseRouting.cpp): the key of the button
  // clicked goes to the live screen's table.
  void RouteSelector(const std::string& key);
  void RouteMenu(const std::string& key);
  void RouteCredits(const std::string& key);
  void RouteOptions(const std::string& key);
  void RouteDogfight(const std::string& key);
  // The dogfight set-up's "Replays" list (Replays.cpp and MouseRouting.cpp).
  void OpenReplayList();
  void RouteReplayList(int x, int y);
  bool ReplayListKeyDown(int key);
  // Sets the selector's mode, fills its list and fades to it.
  void OpenSelector(uint8_t mode);
  void PlayClick();

  // The settings were read, so shutting down may write them back.
  bool ConfigLoaded = false;

  // The network's part of a frame tick: before the screen (take in, start an arrived battle,
  // step a battle under the options screen) and after it (send).
  void NetTickStart();
  void NetTickEnd();
  // One lockstep step when both games' commands are in; the end of the battle for the network.
  void NetBattleStep();
  void DrawNetBattle();
  void EndNetBattle(const std::string& message, TNetReason reason);
  void LeaveNetBattle();
  // Closes any session and opens the one `open` makes (hosting or joining) with this game's
  // version and battle data; false, with NetStatus saying why, when it cannot.
  bool StartNet(const std::function<std::unique_ptr<TNetSession>(const TNetIdentity&, std::string&)>& open);
  // Builds the battle of a network duel from battle.adf with the seed both games share.
  bool BuildNetBattle(uint64_t seed);
  // A word over the battle in a small plate, centred at the top edge y.
  void DrawNetLine(const std::string& text, int y = 260);
  std::unique_ptr<TLocalCommands> NetLocal;
  uint64_t NetStalledSinceMs = 0;
  int NetSavedInterval = 0;

  TPlatform Platform;
  std::string ErrorLine;
  int ErrorTicks = 0;
  bool Destroyed = false;
};

}  // namespace sw
