#include "tools/user_tools.h"

#include <gtest/gtest.h>

#include "base/le_words.h"

namespace quelt {
namespace {

std::string Encoded(const ToolsSection& s) {
  std::string out;
  EncodeToolsSection(s, out);
  return out;
}

ToolsSection Sample() {
  ToolsSection s;
  s.runHistory = {{"notepad.exe", "a.txt", "", false, false, true}, {"cmd", "", "C:\\", true, true, false}};
  s.tools = {{kToolProgram, "Grep", "grep.exe", "-n $f", "C:\\w", false, true, true, true},
             {kToolSeparator, "", "", "", "", false, false, false, false}};
  return s;
}

TEST(ToolsSection, RoundTripConsumesExactlyItsBytes) {
  const std::string bytes = Encoded(Sample()) + "tail";
  std::string_view in = bytes;
  ToolsSection back;
  ASSERT_TRUE(DecodeToolsSection(in, back));
  EXPECT_EQ(back, Sample());
  EXPECT_EQ(in, "tail");
}

TEST(ToolsSection, EveryTruncationIsRefused) {
  const std::string bytes = Encoded(Sample());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    std::string_view in = std::string_view(bytes).substr(0, n);
    ToolsSection back;
    EXPECT_FALSE(DecodeToolsSection(in, back)) << n;
    EXPECT_EQ(back, ToolsSection{});
  }
}

TEST(ToolsSection, RefusesCountsKindsAndFlagsOutOfRange) {
  std::string tooMany;
  AppendLe32(tooMany, kMaxProgramRuns + 1);
  std::string_view in = tooMany;
  ToolsSection back;
  EXPECT_FALSE(DecodeToolsSection(in, back));

  std::string bytes = Encoded({{}, {{kToolOperationFile, "t", "m.mac", "", "", false, false, false, false}}});
  bytes[8] = 3;  // the kind
  in = bytes;
  EXPECT_FALSE(DecodeToolsSection(in, back));
  bytes[8] = 1;
  bytes[bytes.size() - 4] = 2;  // the ask-parameters flag
  in = bytes;
  EXPECT_FALSE(DecodeToolsSection(in, back));
}

TEST(ToolsSection, WriterCutsToCapacityAndLimits) {
  ToolsSection s;
  s.tools.assign(kMaxUserTools + 3, {kToolProgram, std::string(200, 't'), std::string(300, 'c'), std::string(300, 'p'), "", false, false, false, false});
  s.tools[0].kind = 7;
  s.runHistory.assign(kMaxProgramRuns + 1, {});
  const std::string bytes = Encoded(s);
  std::string_view in = bytes;
  ToolsSection back;
  ASSERT_TRUE(DecodeToolsSection(in, back));
  ASSERT_EQ(back.tools.size(), kMaxUserTools);
  EXPECT_EQ(back.runHistory.size(), kMaxProgramRuns);
  EXPECT_EQ(back.tools[0].kind, kToolSeparator);
  EXPECT_EQ(back.tools[1].title.size(), kMaxToolTitle);
  EXPECT_EQ(back.tools[1].command.size(), kMaxToolPath);
  EXPECT_EQ(back.tools[1].parameters.size(), kMaxToolParameters);
}

}  // namespace
}  // namespace quelt
