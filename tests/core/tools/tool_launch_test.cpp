#include <gtest/gtest.h>

#include "tools/tool_launch.h"
#include "tools/tool_menu.h"

namespace quelt {
namespace {

UserTool Tool(std::string title, std::int32_t kind = kToolProgram) {
  UserTool t;
  t.kind = kind;
  t.title = std::move(title);
  t.command = "C:\\bin\\t.exe";
  return t;
}

TEST(ToolMenu, NoToolsGiveOneDisabledPlaceholder) {
  const auto none = ToolMenuEntries({});
  ASSERT_EQ(none.size(), 1u);
  EXPECT_TRUE(none[0].placeholder);
  EXPECT_EQ(none[0].title, "\xD5\xB0\xBB\xDE\xC2\xB0\xD9" "1");
  EXPECT_EQ(none[0].id, 32851u);
  EXPECT_FALSE(HasTools({}));
  // Separators alone are no tools either.
  const std::vector<UserTool> seps{Tool("", kToolSeparator), Tool("", kToolSeparator)};
  EXPECT_FALSE(HasTools(seps));
  ASSERT_EQ(ToolMenuEntries(seps).size(), 1u);
  EXPECT_TRUE(ToolMenuEntries(seps)[0].placeholder);
}

TEST(ToolMenu, NumbersSkipSeparatorsAndTool21MovesToTheSecondRange) {
  std::vector<UserTool> tools{Tool("a"), Tool("", kToolSeparator), Tool("b")};
  for (int i = 0; i < 19; ++i) tools.push_back(Tool("t" + std::to_string(i)));
  const auto entries = ToolMenuEntries(tools);
  ASSERT_EQ(entries.size(), tools.size());
  EXPECT_EQ(entries[0].id, 32851u);
  EXPECT_TRUE(entries[1].separator);
  EXPECT_EQ(entries[2].id, 32852u);
  EXPECT_EQ(entries[2].title, "b");
  EXPECT_EQ(entries[20].id, 32870u);  // tool 20
  EXPECT_EQ(entries[21].id, 32989u);  // tool 21
  EXPECT_EQ(ToolNumberOfCommand(32852), 2);
  EXPECT_EQ(ToolNumberOfCommand(32989), 21);
  EXPECT_EQ(ToolNumberOfCommand(33018), 50);
  EXPECT_EQ(ToolNumberOfCommand(33019), 0);
  EXPECT_EQ(ToolIndexOfNumber(tools, 2), 2u);
  EXPECT_EQ(ToolIndexOfNumber(tools, 1), 0u);
  EXPECT_FALSE(ToolIndexOfNumber(tools, 22).has_value());
  EXPECT_FALSE(ToolIndexOfNumber(tools, 0).has_value());
}

TEST(ToolLaunch, InternalCommandsRunTheSystemsInterpreter) {
  ProgramRun run;
  run.command = "type a.txt";
  run.internalCommand = true;
  run.captureOutput = true;
  ToolLaunch l = PlanToolLaunch(run, "", "C:\\windows\\system32\\cmd.exe");
  EXPECT_EQ(l.commandLine, "C:\\windows\\system32\\cmd.exe /C type a.txt");
  EXPECT_EQ(l.startFolder, "");
  EXPECT_EQ(l.show, ToolShow::kHidden);
  EXPECT_TRUE(l.capture);
  // No interpreter named: cmd.exe; one in a folder with a blank is quoted.
  EXPECT_EQ(PlanToolLaunch(run, "x", "").commandLine, "cmd.exe /C type a.txt x");
  EXPECT_EQ(PlanToolLaunch(run, "", "C:\\My Tools\\sh.exe").commandLine, "\"C:\\My Tools\\sh.exe\" /C type a.txt");
}

TEST(ToolLaunch, ProgramsStartInTheirFolderUnlessARunFolderIsGiven) {
  ProgramRun run;
  run.command = "C:\\Program Files\\Ed\\ed.exe";
  run.minimised = true;
  ToolLaunch l = PlanToolLaunch(run, "C:\\a.txt:12", "cmd.exe");
  EXPECT_EQ(l.commandLine, "\"C:\\Program Files\\Ed\\ed.exe\" C:\\a.txt:12");
  EXPECT_EQ(l.startFolder, "C:\\Program Files\\Ed\\");
  EXPECT_EQ(l.show, ToolShow::kMinimised);
  run.runFolder = "D:\\work";
  run.command = "\"C:\\x y\\z.exe\"";
  l = PlanToolLaunch(run, "", "cmd.exe");
  EXPECT_EQ(l.commandLine, "\"C:\\x y\\z.exe\"");
  EXPECT_EQ(l.startFolder, "D:\\work");
  // A folder whose name ends with the trail byte 0x5C is not cut inside it.
  run.runFolder.clear();
  run.command = "C:\\\x95\x5C\\p.exe";  // "C:\表\p.exe"
  EXPECT_EQ(PlanToolLaunch(run, "", "").startFolder, "C:\\\x95\x5C\\");
  // A bare name starts where the editor is.
  run.command = "notepad.exe";
  run.minimised = false;
  EXPECT_EQ(PlanToolLaunch(run, "", "").startFolder, "");
  EXPECT_EQ(PlanToolLaunch(run, "", "").show, ToolShow::kNormal);
}

TEST(ToolLaunch, HistoryPutsTheRunFirstOnce) {
  std::vector<ProgramRun> history;
  for (int i = 0; i < 25; ++i) {
    ProgramRun r;
    r.command = "p" + std::to_string(i);
    AddProgramRun(history, r);
  }
  ASSERT_EQ(history.size(), kMaxProgramRuns);
  EXPECT_EQ(history.front().command, "p24");
  ProgramRun again;
  again.command = "P20";
  again.parameters = "new";
  AddProgramRun(history, again);
  EXPECT_EQ(history.size(), kMaxProgramRuns);
  EXPECT_EQ(history.front().parameters, "new");
  EXPECT_EQ(std::count_if(history.begin(), history.end(), [](const ProgramRun& r) { return r.command == "p20"; }),
            0);
  EXPECT_EQ(ExplorerRun("C:\\windows").command, "C:\\windows\\explorer.exe");
}

}  // namespace
}  // namespace quelt
