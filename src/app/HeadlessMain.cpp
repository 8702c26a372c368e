// starwake-headless: the game with no window and no sound device, for tests, benchmarks and
// screenshots.
#include <iostream>

#include "app/headless/Runner.h"

int main(int argc, char** argv) {
  sw::TRunOptions options;
  std::string error;
  if (!sw::ParseRunOptions(argc, argv, options, error)) {
    std::cerr << "starwake-headless: " << error << "\n"
              << "usage: starwake-headless [--root DIR] [--ticks N] [--seed S] [--script FILE] [--shot N:PATH]...\n"
              << "                         [--battle | --battle-file PATH] [--until-over] [--state-json PATH] [--bench]\n"
              << "                         [--campaign | --load SLOT] [--interactive]\n"
              << "       starwake-headless [--root DIR] --check-data\n"
              << "       starwake-headless [--root DIR] [--seed S] --duel CLASS_A CLASS_B [--rounds N] [--state-json PATH]\n"
              << "       starwake-headless [--root DIR] [--seed S] --matrix [--rounds N] [--state-json PATH]\n"
              << "       starwake-headless [--root DIR] --host PORT (--battle | --battle-file PATH) [--ticks N] [--script FILE]\n"
              << "       starwake-headless [--root DIR] --join HOST[:PORT] [--ticks N] [--script FILE]\n"
              << "         network test switches: --net-lag MS --net-drop PERCENT --net-delay TICKS --net-timeout S\n"
              << "                                --net-version TEXT --net-nudge TICK --net-real-time\n";
    return 2;
  }
  return sw::RunHeadless(options);
}
