#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <random>

#include "TempFolder.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Paths.h"

using namespace sw;

namespace {

std::string ReadText(const std::string& path) {
  std::string text;
  ReadWholeFile(path, text);
  return text;
}

std::string WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  AdfFlushCache();
  return path;
}

class AdfFile : public ::testing::Test {
protected:
  TTempFolder Dir;
  std::string File(const std::string& text) { return WriteText(Dir.Path + "/f.adf", text); }
};


TEST_F(AdfFile, SectionsAndKeysMatchWithoutLetterCase) {
  std::string f = File("[Ship]\nTurn_Rate=7\n");
  EXPECT_EQ(AdfReadInteger(f, "SHIP", "TURN_RATE", 0), 7);
  EXPECT_EQ(AdfReadInteger(f, "ship", "turn_rate", 0), 7);
  EXPECT_EQ(AdfReadString(f, "sHiP", "tUrN_rAtE", ""), "7");
}

TEST_F(AdfFile, KeyAndSectionListsKeepFileOrder) {
  std::string f = File("[zeta]\nb=1\na=2\nc=3\n[alpha]\nx=1\n[Mid]\n");
  EXPECT_EQ(AdfReadSections(f), (std::vector<std::string>{"zeta", "alpha", "Mid"}));
  EXPECT_EQ(AdfReadKeys(f, "ZETA"), (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_TRUE(AdfReadKeys(f, "mid").empty());
  EXPECT_TRUE(AdfReadKeys(f, "absent").empty());
}

TEST_F(AdfFile, IntegersInEveryWrittenForm) {
  std::string f = File("[N]\ndec=42\nneg=-17\nhex=0x1F\nHEX=0XfF\ndollar=$FF\nbig=$FFFFFFFF\nspaced =  12  \n");
  EXPECT_EQ(AdfReadInteger(f, "N", "dec", 0), 42);
  EXPECT_EQ(AdfReadInteger(f, "N", "neg", 0), -17);
  EXPECT_EQ(AdfReadInteger(f, "N", "hex", 0), 31);
  EXPECT_EQ(AdfReadInteger(f, "N", "HEX", 0), 31);  // the first key of a name wins
  EXPECT_EQ(AdfReadInteger(f, "N", "dollar", 0), 255);
  EXPECT_EQ(AdfReadInteger(f, "N", "big", 0), -1);
  EXPECT_EQ(AdfReadInteger(f, "N", "spaced", 0), 12);
}

TEST_F(AdfFile, MissingOrNonNumericValuesGiveTheCallersDefault) {
  std::string f = File("[N]\nword=abc\nempty=\ntail=12abc\nhexjunk=0xZZ\nreal=1.5\n");
  EXPECT_EQ(AdfReadInteger(f, "N", "word", 99), 99);
  EXPECT_EQ(AdfReadInteger(f, "N", "empty", -5), -5);
  EXPECT_EQ(AdfReadInteger(f, "N", "tail", 7), 7);
  EXPECT_EQ(AdfReadInteger(f, "N", "hexjunk", 8), 8);
  EXPECT_EQ(AdfReadInteger(f, "N", "real", 3), 3);
  EXPECT_EQ(AdfReadInteger(f, "N", "missing", 4), 4);
  EXPECT_EQ(AdfReadInteger(f, "Nope", "word", 6), 6);
  EXPECT_EQ(AdfReadInteger(Dir.Path + "/no-such-file.adf", "N", "x", 11), 11);
  EXPECT_EQ(AdfReadString(f, "N", "missing", "dflt"), "dflt");
}

TEST_F(AdfFile, ValuesAreCutAt2047Characters) {
  std::string longValue(3000, 'q');
  std::string f = File("[S]\nk=" + longValue + "\n");
  EXPECT_EQ(AdfReadString(f, "S", "k", "").size(), 2047u);
}

TEST_F(AdfFile, BooleansAndReals) {
  std::string f = File("[B]\nyes=1\nno=0\nother=5\nr=2.75\nbad=x1\n");
  EXPECT_TRUE(AdfReadBool(f, "B", "yes", false));
  EXPECT_FALSE(AdfReadBool(f, "B", "no", true));
  EXPECT_TRUE(AdfReadBool(f, "B", "other", false));
  EXPECT_TRUE(AdfReadBool(f, "B", "missing", true));
  EXPECT_DOUBLE_EQ(AdfReadReal(f, "B", "r", 0), 2.75);
  EXPECT_DOUBLE_EQ(AdfReadReal(f, "B", "bad", 1.25), 1.25);
  AdfWriteBool(f, "B", "flag", true);
  AdfWriteBool(f, "B", "off", false);
  EXPECT_EQ(AdfReadString(f, "B", "flag", ""), "1");
  EXPECT_EQ(AdfReadString(f, "B", "off", ""), "0");
}

TEST_F(AdfFile, WritesCreateTheFileAndSectionAndKeepTheRest) {
  std::string f = Dir.Path + "/new.adf";
  ASSERT_FALSE(FileExists(f));
  AdfWriteString(f, "MISC", "NAME", "Vega");
  AdfWriteInteger(f, "MISC", "COUNT", 3);
  AdfWriteInteger(f, "OTHER", "X", -2);
  AdfWriteInteger(f, "misc", "count", 4);  // same key, other case: replaced in place
  AdfWriteReal(f, "OTHER", "R", 0.5);
  EXPECT_EQ(AdfReadString(f, "MISC", "NAME", ""), "Vega");
  EXPECT_EQ(AdfReadInteger(f, "MISC", "COUNT", 0), 4);
  EXPECT_EQ(AdfReadKeys(f, "MISC"), (std::vector<std::string>{"NAME", "COUNT"}));
  EXPECT_EQ(AdfReadSections(f), (std::vector<std::string>{"MISC", "OTHER"}));
  EXPECT_DOUBLE_EQ(AdfReadReal(f, "OTHER", "R", 0), 0.5);
}

TEST_F(AdfFile, ReadsSeeChangesMadeOnDisk) {
  std::string f = File("[S]\nk=1\n");
  EXPECT_EQ(AdfReadInteger(f, "S", "k", 0), 1);
  std::ofstream(f, std::ios::binary) << "[S]\nk=22\n";  // a different size, so the change is seen at once
  EXPECT_EQ(AdfReadInteger(f, "S", "k", 0), 22);
}

TEST_F(AdfFile, AFailedWriteRaisesUnableToWrite) {
  std::string f = Dir.Path + "/missing-folder/x.adf";
  try {
    AdfWriteString(f, "S", "k", "v");
    FAIL() << "the write should fail";
  } catch (const EGameError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + f);
  }
}

TEST_F(AdfFile, BatchWritesOnceAndValuesStayOnOneLine) {
  std::string f = Dir.Path + "/batch.adf";
  TAdfBatch batch(f);
  batch.WriteString("A", "text", "two\nlines");
  batch.WriteInteger("A", "n", 5);
  EXPECT_FALSE(FileExists(f));
  batch.Commit(true);
  EXPECT_EQ(AdfReadString(f, "A", "text", ""), "twolines");
  EXPECT_EQ(AdfReadInteger(f, "A", "n", 0), 5);
}

TEST_F(AdfFile, DuplicateSectionsAndKeysServeTheFirst) {
  std::string f = File("[S]\nk=1\nk=2\n[T]\n[s]\nk=3\nj=4\n");
  EXPECT_EQ(AdfReadInteger(f, "S", "k", 0), 1);
  EXPECT_EQ(AdfReadInteger(f, "S", "j", 0), 4);
  EXPECT_EQ(AdfReadSections(f).size(), 2u);
}

TEST_F(AdfFile, WindowsLineEndingsAndCommentsAreHandled) {
  std::string f = File("; a comment\r\n[S]\r\nk = value with spaces \r\n;x=1\r\n");
  EXPECT_EQ(AdfReadString(f, "S", "k", ""), "value with spaces");
  EXPECT_EQ(AdfReadKeys(f, "S").size(), 1u);
}

TEST_F(AdfFile, RewritingKeepsEveryLineThatWasNotChanged) {
  // As a player's editor saves it: a byte-order mark, Windows line endings, comments, blank
  // lines, keys the game does not know, a repeated key and a section given twice.
  const std::string bom = "\xEF\xBB\xBF";
  std::string f = File(bom +
                       "[MISC]\r\n"
                       "; my settings\r\n"
                       "GAME_SPEED = 25\r\n"
                       "SFX_VOLUME=-400\r\n"
                       "MY_NOTE=keep me\r\n"
                       "\r\n"
                       "; keys\r\n"
                       "[PLAYER1]\r\n"
                       "THRUST=87\r\n"
                       "THRUST=12\r\n"
                       "[misc]\r\n"
                       "GAMMA=1000\r\n");
  // The first section is read although the file starts with the mark.
  EXPECT_EQ(AdfReadSections(f), (std::vector<std::string>{"MISC", "PLAYER1"}));
  EXPECT_EQ(AdfReadInteger(f, "MISC", "GAME_SPEED", 0), 25);
  EXPECT_EQ(AdfReadInteger(f, "MISC", "GAMMA", 0), 1000);

  TAdfBatch batch(f);
  batch.WriteInteger("MISC", "GAME_SPEED", 25);   // the same value: the line stays as written
  batch.WriteInteger("MISC", "SFX_VOLUME", -800);  // changed in place
  batch.WriteInteger("MISC", "GAMMA", 2000);       // changed in the section's second block
  batch.WriteBool("MISC", "DRAW_POINTERS", false); // new: after the section's last key
  batch.WriteInteger("PLAYER2", "LOCK", 75);       // new section: at the end
  batch.Commit(true);
  EXPECT_EQ(ReadText(f), bom +
                                     "[MISC]\r\n"
                                     "; my settings\r\n"
                                     "GAME_SPEED = 25\r\n"
                                     "SFX_VOLUME=-800\r\n"
                                     "MY_NOTE=keep me\r\n"
                                     "DRAW_POINTERS=0\r\n"
                                     "\r\n"
                                     "; keys\r\n"
                                     "[PLAYER1]\r\n"
                                     "THRUST=87\r\n"
                                     "THRUST=12\r\n"
                                     "[misc]\r\n"
                                     "GAMMA=2000\r\n"
                                     "\r\n"
                                     "[PLAYER2]\r\n"
                                     "LOCK=75\r\n");

  // Erasing a key takes its repeats along, so none of them is read in its place.
  TAdfDocument doc;
  doc.Parse("; head\n[A]\nk=1\nk=2\nj=3\n\n[B]\nx=1\n; about B\n[C]\ny=2\n");
  doc.EraseKey("a", "K");
  doc.EraseSection("b");
  doc.Set("A", "k", "9");
  EXPECT_EQ(doc.Serialize(), "; head\n[A]\nj=3\nk=9\n\n[C]\ny=2\n");
}

TEST_F(AdfFile, AReadOnlyFileIsNotReplaced) {
  std::string f = File("[MISC]\nGAMMA=1\n");
  ::chmod(f.c_str(), 0444);
  EXPECT_THROW(AdfWriteInteger(f, "MISC", "GAMMA", 2), EGameError);
  EXPECT_EQ(ReadText(f), "[MISC]\nGAMMA=1\n");
  // A file that may be written keeps its permissions when it is replaced.
  ::chmod(f.c_str(), 0600);
  AdfWriteInteger(f, "MISC", "GAMMA", 3);
  struct stat st;
  ASSERT_EQ(::stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(AdfReadInteger(f, "MISC", "GAMMA", 0), 3);
}

TEST(AdfRobustness, RandomAndTruncatedBytesNeverCrash) {
  std::mt19937 gen(1234);
  const std::string sample = "[SHIP]\nTURN_RATE=5\nWEAPON1=GUN\n[W]\nx=$1F\n";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    if (round % 2) {
      bytes = sample.substr(0, gen() % sample.size());
      for (int i = 0; i < 3; ++i)
        if (!bytes.empty()) bytes[gen() % bytes.size()] = static_cast<char>(gen());
    } else {
      bytes.resize(gen() % 300);
      for (char& c : bytes) c = static_cast<char>(gen() % 4 == 0 ? "[]=\n"[gen() % 4] : gen());
    }
    TAdfDocument doc;
    doc.Parse(bytes);
    for (const auto& s : doc.Sections())
      for (const auto& k : doc.Keys(s)) ASSERT_NE(doc.Find(s, k), nullptr);
    // Written back unchanged, the file is the same text (with a final line break).
    std::string expect = bytes;
    if (!expect.empty() && expect.back() != '\n') expect += '\n';
    ASSERT_EQ(doc.Serialize(), expect);
    // What is written back reads the same.
    TAdfDocument again;
    again.Parse(doc.Serialize());
    ASSERT_EQ(again.Sections().size(), doc.Sections().size());
  }
}

}  // namespace
