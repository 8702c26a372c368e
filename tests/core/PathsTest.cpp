#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "core/Paths.h"

using namespace sw;

TEST(Paths, BackslashesAndLetterCaseOfTheDataAreResolved) {
  TTempFolder dir;
  std::filesystem::create_directories(dir.Path + "/Data/Add-Ons/Pack");
  std::ofstream(dir.Path + "/Data/Add-Ons/Pack/Ships.adf") << "[X]\n";
  std::string asWritten = dir.Path + "\\data\\add-ons\\pack\\ships.adf";
  EXPECT_EQ(ResolvePath(asWritten), dir.Path + "/Data/Add-Ons/Pack/Ships.adf");
  EXPECT_TRUE(FileExists(asWritten));
  EXPECT_FALSE(FileExists(dir.Path + "/data/add-ons/pack/missing.adf"));
}

TEST(Paths, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TTempFolder dir;
  std::string f = dir.Path + "/config.ini";
  ASSERT_TRUE(AtomicWriteFile(f, "first"));
  ASSERT_TRUE(AtomicWriteFile(f, "second, longer"));
  std::string text;
  ASSERT_TRUE(ReadWholeFile(f, text));
  EXPECT_EQ(text, "second, longer");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.Path)) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
  EXPECT_FALSE(AtomicWriteFile(dir.Path + "/no/such/folder/x", "y"));
}
