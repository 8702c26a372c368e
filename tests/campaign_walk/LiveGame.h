#pragma once
// The headless game run as a live process: the test writes script lines as it goes and reads
// the game's summary whenever it asks for one, so a long walk decides its next click from what
// the game shows, and every tick runs once.
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "frontend/FrontEndRoot.h"

class TLiveGame {
public:
  // Starts the runner on the root in interactive mode with the given extra options.
  TLiveGame(const TFrontEndRoot& game, const std::string& options) : Game(game) {
    StatePath = game.Folder.Path + "/live.json";
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    const std::string cmd = std::string("'") + STARWAKE_HEADLESS + "' --root '" + game.Root + "' --interactive --state-json '" +
                            StatePath + "' " + options + " 2>/dev/null";
    Child = fork();
    if (Child == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[1]);
      close(out[0]);
      execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    To = fdopen(in[1], "w");
    From = fdopen(out[0], "r");
  }
  ~TLiveGame() { Finish(); }

  // Ends the game's input and waits for it; its exit code (-1 when it was already finished).
  int Finish() {
    if (!To) return -1;
    fclose(To);
    To = nullptr;
    fclose(From);
    int status = 0;
    waitpid(Child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  }

  // Queues script lines that carry their own ticks.
  void Line(const std::string& lines) {
    size_t start = 0;
    while (start < lines.size()) {
      const size_t end = lines.find('\n', start);
      Send(lines.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  // Queues one script line ("click 10 20", "key 13 ctrl") for the next tick.
  void Next(const std::string& what) { Send(std::to_string(Tick + 1) + " " + what); }

  // Runs n more ticks and reads the summary of the last one.
  const nlohmann::json& Run(long long n) {
    Tick += n;
    Send(std::to_string(Tick) + " state");
    char line[256] = {0};
    if (!From || !fgets(line, sizeof line, From) || std::string(line).rfind("state ", 0) != 0) {
      ADD_FAILURE() << "the game gave no state at tick " << Tick << ": " << line;
      State = nlohmann::json{{"runner_failed", Tick}};
      return State;
    }
    sw::AdfFlushCache();
    State = nlohmann::json::parse(TFrontEndRoot::ReadFile(StatePath));
    return State;
  }

  // A screenshot of the tick that has just run.
  void Shot(const std::string& path) { Send(std::to_string(Tick) + " shot " + path); }

  const TFrontEndRoot& Game;
  long long Tick = 0;
  std::string Script;  // every line sent, a script the runner can replay
  nlohmann::json State;

private:
  void Send(const std::string& line) {
    Script += line + "\n";
    if (!To) return;
    fputs((line + "\n").c_str(), To);
    fflush(To);
  }

  std::string StatePath;
  pid_t Child = -1;
  FILE* To = nullptr;
  FILE* From = nullptr;
};
