#include "app/recent_files.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstAndCapped) {
  RecentFiles r(3);
  for (const char* p : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt"}) r.Add(p);
  EXPECT_EQ(r.Entries(), (Paths{"C:\\d.txt", "C:\\c.txt", "C:\\b.txt"}));
  // The same file in another case moves to the front once.
  r.Add("c:\\B.TXT");
  EXPECT_EQ(r.Entries(), (Paths{"c:\\B.TXT", "C:\\d.txt", "C:\\c.txt"}));
  r.Remove("C:\\D.txt");
  EXPECT_EQ(r.Entries(), (Paths{"c:\\B.TXT", "C:\\c.txt"}));
  r.Add("");
  EXPECT_EQ(r.Entries().size(), 2u);
}

TEST(RecentFiles, CountOutsideTheRangeIsTheDefault) {
  EXPECT_EQ(RecentFiles(0).Capacity(), kDefaultRecentFiles);
  EXPECT_EQ(RecentFiles(17).Capacity(), kDefaultRecentFiles);
  EXPECT_EQ(RecentFiles(16).Capacity(), 16);
}

TEST(RecentFiles, SavesAndLoadsThroughTheSettingsFile) {
  IniFile ini;
  ini.SetString(kRecentFileSection, "File1", "C:\\x.txt");
  ini.SetString(kRecentFileSection, "File2", "");
  ini.SetString(kRecentFileSection, "File3", "C:\\X.TXT");
  ini.SetString(kRecentFileSection, "File4", "D:\\y.txt");
  ini.SetString(kRecentFileSection, "File5", "D:\\beyond.txt");
  RecentFiles r(4);
  r.Load(ini);
  // Empty and repeated entries are skipped; entries past the count ignored.
  EXPECT_EQ(r.Entries(), (Paths{"C:\\x.txt", "D:\\y.txt"}));
  r.Add("E:\\z.txt");
  r.Save(ini);
  RecentFiles again(4);
  again.Load(ini);
  EXPECT_EQ(again.Entries(), (Paths{"E:\\z.txt", "C:\\x.txt", "D:\\y.txt"}));
  EXPECT_EQ(ini.GetString(kRecentFileSection, "File5", "gone"), "gone");
}

}  // namespace
}  // namespace quelt
