#include "app/headless/Runner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/headless/Duel.h"
#include "app/headless/NetRun.h"
#include "app/headless/Script.h"
#include "app/headless/Summary.h"
#include "app/headless/VirtualPads.h"
#include "battle/DataCheck.h"
#include "campaign/CampaignCheck.h"
#include "campaign/SaveGame.h"
#include "campaign/SavedWorld.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/BitmapFile.h"
#include "media/Pads.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

namespace sw {

bool ParseRunOptions(int argc, char** argv, TRunOptions& o, std::string& error) {
  auto need = [&](int& i) -> const char* {
    if (i + 1 >= argc) {
      error = std::string(argv[i]) + " needs a value";
      return nullptr;
    }
    return argv[++i];
  };
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    const char* v = nullptr;
    if (a == "--root") {
      if (!(v = need(i))) return false;
      o.Root = v;
    } else if (a == "--ticks") {
      if (!(v = need(i))) return false;
      auto n = ParseInteger(v);
      if (!n || *n < 0) return error = "--ticks takes a whole number", false;
      o.Ticks = *n;
      o.TicksGiven = true;
    } else if (a == "--seed") {
      if (!(v = need(i))) return false;
      auto n = ParseInteger(v);
      if (!n) return error = "--seed takes a whole number", false;
      o.Seed = static_cast<uint64_t>(*n);
    } else if (a == "--script") {
      if (!(v = need(i))) return false;
      o.ScriptFile = v;
    } else if (a == "--shot") {
      if (!(v = need(i))) return false;
      std::string s = v;
      auto colon = s.find(':');
      auto n = colon == std::string::npos ? std::nullopt : ParseInteger(s.substr(0, colon));
      if (!n || *n < 1) return error = "--shot takes N:PATH", false;
      o.Shots.emplace_back(*n, s.substr(colon + 1));
    } else if (a == "--state-json") {
      if (!(v = need(i))) return false;
      o.StateJson = v;
    } else if (a == "--interactive") {
      o.Interactive = true;
    } else if (a == "--until-over") {
      o.UntilOver = true;
    } else if (a == "--bench") {
      o.Bench = true;
    } else if (a == "--battle") {
      o.Battle = true;
    } else if (a == "--battle-file") {
      if (!(v = need(i))) return false;
      o.Battle = true;
      o.BattleFile = v;
    } else if (a == "--campaign") {
      o.Campaign = true;
    } else if (a == "--campaign-folder") {
      // A campaign by its folder below data, listed or not (the bench galaxy).
      if (!(v = need(i))) return false;
      o.Campaign = true;
      o.CampaignFolder = v;
    } else if (a == "--load" || a == "--check-save") {
      if (!(v = need(i))) return false;
      std::string section;
      if (SameText(v, "autosave")) {
        section = TSaveGame::AutosaveSection(0);
      } else {
        auto n = ParseInteger(v);
        if (!n || *n < 1 || *n > 999999) return error = a + " takes a slot number from 1 or autosave", false;
        section = TSaveGame::SlotSection(static_cast<int>(*n));
        if (a == "--load") o.Load = static_cast<int>(*n);
      }
      if (a == "--load") o.LoadSection = section;
      else o.CheckSave = section;
    } else if (a == "--record") {
      if (!(v = need(i))) return false;
      o.RecordFile = v;
    } else if (a == "--replay") {
      if (!(v = need(i))) return false;
      o.ReplayFile = v;
    } else if (a == "--check-data") {
      o.CheckData = true;
    } else if (a == "--duel") {
      if (i + 2 >= argc) return error = "--duel takes two ship classes", false;
      o.Duel = {argv[i + 1], argv[i + 2]};
      i += 2;
    } else if (a == "--matrix") {
      o.Matrix = true;
    } else if (a == "--rounds") {
      if (!(v = need(i))) return false;
      auto n = ParseInteger(v);
      if (!n || *n < 1 || *n > 10000) return error = "--rounds takes a whole number from 1 to 10000", false;
      o.Rounds = static_cast<int>(*n);
    } else if (a == "--skill") {
      if (!(v = need(i))) return false;
      const std::string text = v;
      const size_t comma = text.find(',');
      std::optional<long long> s1, s2;
      if (comma != std::string::npos) {
        s1 = ParseInteger(text.substr(0, comma));
        s2 = ParseInteger(text.substr(comma + 1));
      }
      if (!s1 || !s2 || *s1 < 0 || *s1 > 2 || *s2 < 0 || *s2 > 2)
        return error = "--skill takes two skills from 0 (Cadet) to 2 (Ace), as S1,S2", false;
      o.Skills[0] = static_cast<int>(*s1);
      o.Skills[1] = static_cast<int>(*s2);
    } else if (a == "--host") {
      if (!(v = need(i))) return false;
      auto n = ParseInteger(v);
      if (!n || *n < 1 || *n > 65535) return error = "--host takes a port from 1 to 65535", false;
      o.HostPort = static_cast<int>(*n);
    } else if (a == "--join") {
      if (!(v = need(i))) return false;
      o.JoinAddress = v;
    } else if (a == "--net-lag" || a == "--net-drop" || a == "--net-delay" || a == "--net-timeout") {
      if (!(v = need(i))) return false;
      auto n = ParseInteger(v);
      const long long hi = a == "--net-lag" ? 5000 : a == "--net-drop" ? 100 : a == "--net-delay" ? 8 : 3600;
      if (!n || *n < 0 || *n > hi) return error = a + " takes a whole number from 0 to " + std::to_string(hi), false;
      (a == "--net-lag" ? o.NetLagMs : a == "--net-drop" ? o.NetDropPercent : a == "--net-delay" ? o.NetDelay
                                                                                                 : o.NetTimeoutSeconds) =
          static_cast<int>(*n);
    } else if (a == "--net-real-time") {
      o.NetRealTime = true;
    } else if (a == "--net-nudge") {
      if (!(v = need(i))) return false;
      auto n = ParseInteger(v);
      if (!n || *n < 1 || *n > 1000000) return error = "--net-nudge takes a battle tick from 1", false;
      o.NetNudgeTick = static_cast<int>(*n);
    } else if (a == "--net-version") {
      if (!(v = need(i))) return false;
      o.NetVersion = v;
    } else {
      error = "unknown option " + a;
      return false;
    }
  }
  if (o.HostPort != 0 && !o.JoinAddress.empty()) return error = "--host and --join cannot go together", false;
  if (!o.JoinAddress.empty() && o.Battle) return error = "--join takes no battle: it comes from the host", false;
  if (o.HostPort != 0 && !o.Battle) return error = "--host needs --battle or --battle-file", false;
  return true;
}

namespace {

bool WriteShot(const TDXDraw& display, const std::string& path) {
  TBitmap bmp;
  bmp.Width = display.Surface.Width;
  bmp.Height = display.Surface.Height;
  bmp.Pixels = display.Frame();
  if (bmp.Pixels.empty()) display.Compose(bmp.Pixels);
  std::ofstream out(path, std::ios::binary);
  std::string bytes = EncodeBitmap24(bmp);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t i = static_cast<size_t>(p * (v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

}  // namespace

int RunHeadless(const TRunOptions& o) {
  std::string root = o.Root.empty() ? ExecutableFolder() : o.Root;
  if (root.back() != '/') root += '/';
  if (o.CheckData) {
    auto problems = CheckGameData(root);
    const auto campaigns = CheckCampaigns(root);
    problems.insert(problems.end(), campaigns.begin(), campaigns.end());
    for (const auto& line : problems) std::cout << line << "\n";
    std::cout.flush();
    return problems.empty() ? 0 : 1;
  }
  if (!o.CheckSave.empty()) {
    // A saved game checked as loading it would check it, nothing run.
    TSaveGame saves(root + "saves/");
    const TSlotInfo row = saves.FindSlot(o.CheckSave);
    const std::string problem = row.Section.empty()
                                    ? "The saved game " + o.CheckSave + " cannot be loaded: the slot is empty"
                                    : saves.LoadProblem(row.Folder, row.Campaign, root + "data/", row.Version);
    if (!problem.empty()) std::cout << problem << "\n";
    std::cout.flush();
    return problem.empty() ? 0 : 1;
  }
  if (o.Matrix || !o.Duel.empty()) {
    const int code = RunDuels(o, root);
    ShutdownFonts();
    return code;
  }
  if (!o.BattleFile.empty()) {
    // The battle file is laid where a set-up screen writes it; a relative path is the root's.
    std::string from = o.BattleFile[0] == '/' ? o.BattleFile : root + o.BattleFile;
    std::string text;
    if (!ReadWholeFile(from, text)) {
      std::cerr << "starwake-headless: cannot read battle file " << from << std::endl;
      return 2;
    }
    if (ResolvePath(from) != ResolvePath(root + "battle.adf") && !AtomicWriteFile(root + "battle.adf", text, false)) {
      std::cerr << "starwake-headless: cannot write " << root << "battle.adf" << std::endl;
      return 2;
    }
  }
  std::vector<TScriptEvent> events;
  if (!o.ScriptFile.empty()) {
    std::string text;
    if (!ReadWholeFile(o.ScriptFile, text)) {
      std::cerr << "starwake-headless: cannot read script " << o.ScriptFile << std::endl;
      return 2;
    }
    try {
      events = ParseScript(text);
    } catch (const std::exception& e) {
      std::cerr << "starwake-headless: " << e.what() << std::endl;
      return 2;
    }
    std::stable_sort(events.begin(), events.end(), [](auto& a, auto& b) { return a.Tick < b.Tick; });
  }
  if (o.Seed) SetFixedSeed(*o.Seed);

  THeadlessAudio audio;
  TPlatform platform;
  platform.Audio = &audio;
  platform.Now = [] { return static_cast<std::time_t>(1796731200); };  // a fixed clock: runs repeat exactly
  int exitCode = 0;
  {
    TfmMain main(platform, root);
    main.FormCreate();
    main.DXDrawInitializeSurface();
    if (o.Networked()) {
      main.NetSkipPreBattle = true;
      main.NetImpairment.LagMs = o.NetLagMs;
      main.NetImpairment.DropPercent = o.NetDropPercent;
      main.NetFixedDelay = o.NetDelay;
      main.NetVersion = o.NetVersion;
      main.NetNudgeTick = o.NetNudgeTick;
      const bool started = o.HostPort ? main.StartNetHost(static_cast<uint16_t>(o.HostPort)) : main.StartNetJoin(o.JoinAddress);
      if (!started) {
        std::cerr << "starwake-headless: " << main.NetStatus << std::endl;
        ShutdownFonts();
        return 2;
      }
      main.SetGameState(gsDogfight, true);
    } else if (o.Battle) {
      try {
        main.StartBattle(gsDogfight);
        // A benchmark measures the fight itself, not the pre-battle screen.
        if (o.Bench && main.Battle) main.Battle->Phase = bpFighting;
      } catch (const std::exception& e) {
        main.ReportError(e.what());
      }
    }
    // A replay played with --record is recorded again: it plays on past any mismatch.
    main.ReplayRecordsAgain = !o.RecordFile.empty();
    if (!o.ReplayFile.empty() && !main.StartReplay(o.ReplayFile, gsDogfight)) {
      // Refused: the one line that says why has gone to standard error.
      ShutdownFonts();
      return 2;
    }
    if (o.Campaign) {
      // The first campaign of the index, live from the first tick.
      const std::string index = ResolvePath(root + "data/campaigns.adf");
      const auto sections = AdfReadSections(index);
      std::string folder = sections.empty() ? "" : AdfReadString(index, sections.front(), "FOLDER", "");
      std::string title = sections.empty() ? "" : AdfReadString(index, sections.front(), "TITLE", "");
      if (!o.CampaignFolder.empty()) {
        folder = o.CampaignFolder;
        std::replace(folder.begin(), folder.end(), '/', '\\');
        if (folder.back() != '\\') folder += '\\';
        title = o.CampaignFolder;
      }
      if (main.StartCampaign(folder, "", title)) main.SetGameState(gsCampaign, true);
      // The pointer rests in the middle of the map, away from the edges that scroll it.
      main.MouseMove(400, 300);
    }
    if (!o.LoadSection.empty()) {
      // The saved game of that slot, loaded as the selector's continue loads it.
      if (main.LoadSavedGame(o.LoadSection)) main.SetGameState(gsCampaign, true);
      main.MouseMove(400, 300);
    }
    // Pads: SDL's pad support starts with the first pad line, so runs without pads never touch
    // it. Only virtual pads are taken, and the game reads them through its own pad layer.
    std::unique_ptr<TPads> pads;
    std::unique_ptr<TVirtualPads> virtualPads;
    auto padEvent = [&](const TScriptEvent& e) {
      if (!pads) {
        // No window here to have the focus, no pad of the machine's, and Ctrl+C still stops
        // the runner (SDL would catch it as a quit event no one reads).
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        SDL_SetHint("SDL_JOYSTICK_DISABLE_UDEV", "1");
        pads = std::make_unique<TPads>(main, true);
        main.AttachPads(pads.get());
        virtualPads = std::make_unique<TVirtualPads>();
      }
      if (!pads->Ready()) return;
      switch (e.PadAction) {
        case TScriptEvent::PadPlug:
          if (std::string problem = virtualPads->Plug(e.PadNumber); !problem.empty()) main.ReportError(problem);
          break;
        case TScriptEvent::PadUnplug:
          virtualPads->Unplug(e.PadNumber);
          break;
        case TScriptEvent::PadButton:
          virtualPads->SetButton(e.PadNumber, e.Code, e.On);
          break;
        case TScriptEvent::PadAxis:
          virtualPads->SetAxis(e.PadNumber, e.Code, e.PadValue);
          break;
      }
      // What the pad did reaches the game now, as the window's event loop would pass it on: a
      // button down and up within one tick is still a press.
      SDL_Event event;
      while (SDL_PollEvent(&event)) pads->HandleEvent(event);
    };
    std::vector<double> tickUs;
    size_t next = 0;
    std::vector<int> pressed;  // keys pressed for one tick only
    auto writeState = [&](const std::string& path) {
      std::ofstream out(path);
      nlohmann::json summary = MakeSummary(main, audio);
      // The running campaign as a save would write it, so a loaded game can be compared with
      // the one that was saved.
      if (main.Campaign && summary["campaign"].is_object())
        for (const TSavedWorldFile& file : SavedWorldFiles(*main.Campaign))
          summary["campaign"]["saved_world"][file.Name] = file.Text;
      out << summary.dump(2) << "\n";
      if (!out) {
        std::cerr << "starwake-headless: cannot write " << path << std::endl;
        exitCode = 1;
      }
    };
    // A script's picture or summary of the tick that has just run; in interactive mode a summary
    // is answered on standard output.
    auto output = [&](const TScriptEvent& e) {
      if (e.Kind == TScriptEvent::Shot) {
        if (!WriteShot(*main.DXDraw, e.Path)) {
          std::cerr << "starwake-headless: cannot write " << e.Path << std::endl;
          exitCode = 1;
        }
        return;
      }
      if (!e.Path.empty() || !o.StateJson.empty()) writeState(e.Path.empty() ? o.StateJson : e.Path);
      if (o.Interactive) std::cout << "state " << e.Tick << (main.Terminated ? " over" : "") << std::endl;
    };
    auto applyEvent = [&](const TScriptEvent& e, std::vector<const TScriptEvent*>& outputs) {
        switch (e.Kind) {
          case TScriptEvent::Key:
            main.DXInput->SetKeyDown(e.Code, true);
            pressed.push_back(e.Code);
            main.FormKeyDown(e.Code, e.Shift, e.Ctrl, e.Alt);
            break;
          case TScriptEvent::Down:
            main.DXInput->SetKeyDown(e.Code, true);
            pressed.erase(std::remove(pressed.begin(), pressed.end(), e.Code), pressed.end());
            break;
          case TScriptEvent::Up:
            main.DXInput->SetKeyDown(e.Code, false);
            break;
          case TScriptEvent::Click:
            main.MouseMove(e.X, e.Y);
            main.DXDrawMouseDown(e.Code, e.X, e.Y);
            break;
          case TScriptEvent::Move:
            main.MouseMove(e.X, e.Y);
            break;
          case TScriptEvent::Wheel:
            main.MouseWheel(e.Code);
            break;
          case TScriptEvent::Joy:
            main.DXInput->SetJoystickState(e.Code, e.On);
            break;
          case TScriptEvent::Pad:
            padEvent(e);
            break;
          case TScriptEvent::State:
          case TScriptEvent::Shot:
            outputs.push_back(&e);
            break;
        }
    };
    // One frame tick, the events given before it applied first.
    auto frameTick = [&](long long t, const std::vector<const TScriptEvent*>& outputs) {
      auto start = std::chrono::steady_clock::now();
      if (!main.Terminated) main.DXTimerTimer();
      auto end = std::chrono::steady_clock::now();
      tickUs.push_back(std::chrono::duration<double, std::micro>(end - start).count());
      audio.Advance(main.DXTimer.Interval);
      for (int k : pressed) main.DXInput->SetKeyDown(k, false);
      pressed.clear();
      for (const auto& [n, path] : o.Shots)
        if (n == t && !WriteShot(*main.DXDraw, path)) {
          std::cerr << "starwake-headless: cannot write " << path << std::endl;
          exitCode = 1;
        }
      for (const TScriptEvent* e : outputs) output(*e);
    };
    auto runTick = [&](long long t) {
      std::vector<const TScriptEvent*> outputs;
      for (; next < events.size() && events[next].Tick == t; ++next) applyEvent(events[next], outputs);
      frameTick(t, outputs);
    };
    long long lastTick = 0;
    if (o.Interactive) {
      // Lines come one at a time; nothing runs until a state is asked for.
      std::string line;
      while (std::getline(std::cin, line)) {
        std::vector<TScriptEvent> more;
        try {
          more = ParseScript(line);
        } catch (const std::exception& e) {
          std::cout << "error " << e.what() << std::endl;
          continue;
        }
        long long until = 0;
        for (const TScriptEvent& e : more) {
          if (e.Tick < lastTick || (e.Tick == lastTick && !e.IsOutput())) {
            std::cout << "error tick " << e.Tick << " has already run" << std::endl;
            continue;
          }
          if (e.Tick == lastTick) {  // a summary or a picture of the tick that has just run
            output(e);
            continue;
          }
          auto at = std::upper_bound(events.begin() + static_cast<std::ptrdiff_t>(next), events.end(), e.Tick,
                                     [](long long tick, const TScriptEvent& x) { return tick < x.Tick; });
          events.insert(at, e);
          if (e.Kind == TScriptEvent::State) until = std::max(until, e.Tick);
        }
        for (; lastTick < until;) runTick(++lastTick);
      }
    } else if (o.Networked()) {
      exitCode = RunNetworked(main, o, [&](long long limit, long long frame) {
        std::vector<const TScriptEvent*> outputs;
        for (; next < events.size() && events[next].Tick <= limit; ++next) applyEvent(events[next], outputs);
        frameTick(frame, outputs);
      });
    } else if (!o.ReplayFile.empty() && !o.TicksGiven) {
      // Playback as fast as it goes: the steps alone, nothing drawn.
      auto start = std::chrono::steady_clock::now();
      main.PlayReplayToEnd();
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (o.Bench && main.Battle) {
        // What one state hash of the battle as it ended costs, over a thousand of them.
        auto hashStart = std::chrono::steady_clock::now();
        uint64_t mixed = 0;
        for (int k = 0; k < 1000; ++k) mixed ^= main.Battle->StateHash() + static_cast<uint64_t>(k);
        const double hashUs =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - hashStart).count() / 1000;
        std::printf("bench: replay ticks=%lld seconds=%.3f ticks_per_s=%.0f state_hash_us=%.2f objects=%d (%llx)\n",
                    static_cast<long long>(main.Battle->Tick), seconds,
                    seconds > 0 ? static_cast<double>(main.Battle->Tick) / seconds : 0.0, hashUs,
                    main.Battle->Objects.Count(), static_cast<unsigned long long>(mixed & 0xF));
      }
    } else {
      // The benchmark battle runs 3000 frames unless told otherwise.
      const long long ticks = o.Bench && o.Battle && !o.TicksGiven ? 3000 : o.Ticks;
      for (long long t = 1; t <= ticks && !main.Terminated; ++t) {
        runTick(t);
        lastTick = t;
        if (o.UntilOver && main.Battle && main.Battle->Phase == bpOver) break;
      }
    }
    if (!o.ReplayFile.empty() && main.ReplayPlayer && main.Battle) {
      const TReplayCommands& r = *main.ReplayPlayer;
      std::printf("replay: ticks=%lld hashes=%d matched=%d\n", static_cast<long long>(main.Battle->Tick), r.Checked,
                  r.Matched);
      if (r.FirstMismatch) {
        std::printf("%s\n", ReplayMismatchMessage(r.FirstMismatch).c_str());
        if (o.RecordFile.empty()) exitCode = 1;
      }
    }
    if (!o.RecordFile.empty()) {
      std::string text = main.LastReplayText;
      if (main.Battle && main.Battle->Tick > 0 && (!main.ReplayPlayer || main.ReplayRecordsAgain)) {
        main.Battle->Checkpoint();
        text = ReplayText(main.Battle->MakeReplay(main.DXTimer.Interval));
      }
      if (text.empty()) {
        std::cerr << "starwake-headless: no battle was fought to record" << std::endl;
        exitCode = 1;
      } else if (!AtomicWriteFile(o.RecordFile, text, false)) {
        std::cerr << "starwake-headless: cannot write " << o.RecordFile << std::endl;
        exitCode = 1;
      }
    }
    if (o.Bench && o.ReplayFile.empty()) {
      double sum = 0, mx = 0;
      for (double v : tickUs) {
        sum += v;
        mx = std::max(mx, v);
      }
      double mean = tickUs.empty() ? 0 : sum / tickUs.size();
      std::printf("bench: ticks=%zu mean_us=%.1f p50_us=%.1f p99_us=%.1f max_us=%.1f update_us=%.1f draw_us=%.1f",
                  tickUs.size(), mean, Percentile(tickUs, 0.5), Percentile(tickUs, 0.99), mx,
                  main.TickCount ? main.UpdateMicros / main.TickCount : 0.0,
                  main.TickCount ? main.DrawMicros / main.TickCount : 0.0);
      // The cost of the last autosave, on the frame it ran in, when the run made one.
      if (main.AutosaveCount > 0) std::printf(" autosaves=%d autosave_us=%.1f", main.AutosaveCount, main.LastAutosaveMicros);
      std::printf("\n");
    }
    if (!o.StateJson.empty()) writeState(o.StateJson);
    if (o.Networked()) FinishNetworked(main);
    main.AttachPads(nullptr);
    virtualPads.reset();
    pads.reset();
  }
  ShutdownFonts();
  return exitCode;
}

}  // namespace sw
