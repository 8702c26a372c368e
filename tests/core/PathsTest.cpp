#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

#include "TempFolder.h"
#include "core/Adf.h"
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

TEST(Paths, APipeIsReadToItsEndAsAFileIs) {
  // A pipe has no size: the reader falls back to reading until the end. The text is larger than
  // the pipe holds and than one read block, so it arrives in pieces.
  std::string text = "[MISC]\nNAME=piped\n";
  while (text.size() < 200000) text += "; filler line to pass the block size of one read\n";
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::thread writer([&] {
    size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::write(fds[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::close(fds[1]);
  });
  std::string read;
  EXPECT_TRUE(ReadWholeFile("/dev/fd/" + std::to_string(fds[0]), read));
  writer.join();
  ::close(fds[0]);
  EXPECT_EQ(read, text);

  // An ADF file given as a pipe is read once and its values served from then on.
  ASSERT_EQ(::pipe(fds), 0);
  const std::string adf = "[MISC]\nNAME=piped\n[LAST]\nVALUE=42\n";
  ASSERT_EQ(::write(fds[1], adf.data(), adf.size()), static_cast<ssize_t>(adf.size()));
  ::close(fds[1]);
  const std::string path = "/dev/fd/" + std::to_string(fds[0]);
  EXPECT_EQ(AdfReadInteger(path, "LAST", "VALUE", 0), 42);
  EXPECT_EQ(AdfReadString(path, "MISC", "NAME", ""), "piped");
  ::close(fds[0]);
  AdfFlushCache();
}
