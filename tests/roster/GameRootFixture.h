#pragma once
// A small game root on disk: a base roster, one add-on, pictures, sounds and the start-up lists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TempFolder.h"
#include "media/BitmapFile.h"

namespace sw {

inline void WriteText(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A w x h picture in one colour.
inline void WritePicture(const std::string& path, int w = 12, int h = 8, uint32_t colour = 0x00FF8040) {
  TBitmap bmp;
  bmp.Width = w;
  bmp.Height = h;
  bmp.Pixels.assign(static_cast<size_t>(w * h), colour);
  WriteText(path, EncodeBitmap24(bmp));
}

// A short mono 16-bit sound.
inline void WriteSound(const std::string& path) {
  const int samples = 64;
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string data(samples * 2, '\0');
  std::string wav = "RIFF" + u32(36 + data.size()) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(22050) +
                    u32(44100) + u16(2) + u16(16) + "data" + u32(data.size()) + data;
  WriteText(path, wav);
}

class GameRoot : public ::testing::Test {
protected:
  TTempFolder Folder;
  std::string Root = Folder.Path + "/";

  void SetUp() override {
    WriteText(Root + "data/ships.adf",
              "[Gunship]\nDISP_NAME=Test Gunship\nRACE=TFG\nBMP_IMAGE=gunship\nTURN_RATE=6\nTHRUSTERS=45\n"
              "MAX_SPEED=650\nSTRUCTURE=24\nCREW=12\nENERGY=22\nENERGY_R=14\nWEAPON1=Gun\nWEAPON2=EMPTY\n"
              "CYBERNETIC=1\nORGANIC=0\nRESILIANT=1\nGRAV=0\nDAMAGE_FLEE=1\nROTATING=1\nSTARBASE=0\nDF_INCLUDE=1\n"
              "[Station]\nDISP_NAME=Test Station\nRACE=TFG\nBMP_IMAGE=station\nSTARBASE=1\nSTRUCTURE=80\nCREW=30\n"
              "ENERGY=40\nWEAPON1=Gun\nWEAPON2=Gun\n");
    WriteText(Root + "data/weapons.adf",
              "[EMPTY]\nClass=GENERIC_WEAPON\n"
              "[Gun]\nClass=GENERIC_WEAPON\nDisplay=Test gun\nReloadTime=5\nProjectileSpeed=9\nLifeSpan=30\n"
              "ImageName=bolt\nExplName=boom_\nAnimationFrames=2\nFireSound=zap\nHitSound=bang\nTrailColor=clLime\n");
    WriteText(Root + "data/races.adf", "[TFG]\nDISPLAY_NAME=Test Guard\nFULL_BMP=race_tfg\nCOLOR=clRed\n");
    WriteText(Root + "data/add-ons/add-ons.adf", "[PACK]\nNAME=Test pack\nPREFIX=pack\\\n");
    WriteText(Root + "data/add-ons/pack/ships.adf",
              "[Gunship]\nDISP_NAME=Pack Gunship\nRACE=PCK\nBMP_IMAGE=packship\nSTRUCTURE=50\nCREW=5\n"
              "WEAPON1=Gun\nWEAPON2=Gun\n");
    WriteText(Root + "data/add-ons/pack/weapons.adf", "[Gun]\nClass=GENERIC_WEAPON\nReloadTime=77\n");
    WriteText(Root + "data/add-ons/pack/races.adf", "[PCK]\nDISPLAY_NAME=Pack People\nFULL_BMP=race_pck\n");
    for (const char* p : {"ships/gunship.img", "ships/gunship_fr.img", "ships/station.img", "ships/packship.img",
                          "graphics/race_tfg.img", "graphics/race_tfg_small.img", "graphics/race_pck.img",
                          "graphics/race_pck_small.img", "graphics/ringworld.img", "graphics/projectiles/bolt.img",
                          "graphics/animations/boom.img"})
      WritePicture(Root + p);
    WriteText(Root + "graphics/projectiles/projs.adf", "[PROJECTILES]\nbolt=clBlack\n");
    WriteText(Root + "graphics/animations/animations.adf", "[boom]\nX=4\nY=4\nX_COUNT=2\nY_COUNT=1\n");
    WriteText(Root + "sounds/sounds.adf", "[SOUNDS]\nzap=1\nbang=1\n");
    WriteSound(Root + "sounds/zap.wav");
    WriteSound(Root + "sounds/bang.wav");
    WriteText(Root + "sounds/music/music.adf", "[BATTLE]\ntrack_a=1\ntrack_b=1\n");
    WriteSound(Root + "sounds/music/track_a.wav");
    WriteSound(Root + "sounds/music/track_b.wav");
  }
};

}  // namespace sw
