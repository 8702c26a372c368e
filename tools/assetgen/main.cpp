// assetgen: writes every picture and sound of the game root.
//   assetgen --out <game-root> --data <game data folder> [--sheet <contact sheet.bmp>] [--only images|sounds]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "Art.h"
#include "Output.h"
#include "Text.h"

int main(int argc, char** argv) {
    std::string outDir, dataDir, sheet, only;
    for (int i = 1; i < argc; ++i) {
        auto next = [&](std::string& v) { if (i + 1 < argc) v = argv[++i]; };
        if (!std::strcmp(argv[i], "--out")) next(outDir);
        else if (!std::strcmp(argv[i], "--data")) next(dataDir);
        else if (!std::strcmp(argv[i], "--sheet")) next(sheet);
        else if (!std::strcmp(argv[i], "--only")) next(only);
        else {
            std::fprintf(stderr, "usage: assetgen --out DIR --data DIR [--sheet FILE] [--only images|sounds]\n");
            return 2;
        }
    }
    if (outDir.empty() || dataDir.empty()) {
        std::fprintf(stderr, "assetgen: --out and --data are required\n");
        return 2;
    }
    if (!ag::TextInit()) std::fprintf(stderr, "assetgen: fonts not found, labels will be missing\n");
    auto t0 = std::chrono::steady_clock::now();
    ag::Output out(outDir);
    if (only != "sounds") {
        ag::MakeBuiltins(out);
        ag::MakeScreens(out);
        ag::MakeSplash(out);
        ag::MakeEffects(out, dataDir);
        ag::MakeShips(out, dataDir);
        ag::MakeRaces(out, dataDir);
        ag::MakePlanets(out, dataDir);
        ag::MakeCampaign(out);
        ag::MakeStory(out, dataDir);
        ag::MakeSchematics(out, dataDir);
    }
    if (only != "images") {
        ag::MakeSounds(out, dataDir);
        ag::MakeMusic(out, dataDir);
    }
    if (!sheet.empty() && only != "sounds" && !out.WriteSheet(sheet)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", sheet.c_str());
        ag::TextShutdown();
        return 1;
    }
    ag::TextShutdown();
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("assetgen: %d pictures, %d sounds in %.2f s\n", out.ImageCount(), out.SoundCount(), secs);
    return out.Failures() ? 1 : 0;
}
