#include <gtest/gtest.h>

#include "cabinet/file_list_items.h"

namespace quelt {
namespace {

TEST(FileListItems, NamesSortWithoutCaseAndKeepTheirPaths) {
  const std::vector<std::string> paths{"C:\\b\\Zeta.txt", "C:\\a\\readme.txt", "D:\\x\\README.TXT", "C:\\alpha.c"};
  const auto names = FileListItems(paths, false);
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0].text, "alpha.c");
  // Two files of one name in different folders show the same text; each
  // keeps its own path.
  EXPECT_EQ(names[1].text, "readme.txt");
  EXPECT_EQ(names[1].index, 1u);
  EXPECT_EQ(names[2].text, "README.TXT");
  EXPECT_EQ(names[2].index, 2u);
  EXPECT_EQ(names[3].text, "Zeta.txt");
  const auto full = FileListItems(paths, true);
  EXPECT_EQ(full[0].text, "C:\\a\\readme.txt");
  EXPECT_EQ(full[3].text, "D:\\x\\README.TXT");
  EXPECT_TRUE(FileListItems({}, false).empty());
}

TEST(FileListItems, ADoubleByteNameIsCutAtItsFolderOnly) {
  // "表" ends with the byte 0x5C, which is no folder separator.
  const auto items = FileListItems({"C:\\\x95\x5C\\\x95\x5C.txt"}, false);
  EXPECT_EQ(items[0].text, "\x95\x5C.txt");
}

TEST(FileListItems, ColumnWidth) {
  EXPECT_EQ(FileListColumnWidth(65, 7), 65 * 7 + 15);
  EXPECT_EQ(FileListColumnWidth(3, 7), 10 * 7 + 15);
  EXPECT_EQ(FileListColumnWidth(1000, 7), 256 * 7 + 15);
}

}  // namespace
}  // namespace quelt
