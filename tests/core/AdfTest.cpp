#include <gtest/gtest.h>

#include "core/Adf.h"
#include "core/Paths.h"
#include "TempFolder.h"

using namespace sw;

TEST(Adf, SmokeReadWrite) {
  TTempFolder dir;
  std::string f = dir.Path + "/a.adf";
  AdfWriteInteger(f, "S", "K", 5);
  EXPECT_EQ(AdfReadInteger(f, "s", "k", 0), 5);
}
