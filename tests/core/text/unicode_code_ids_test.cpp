// The new code ids where codes are chosen, recorded and searched: the open
// request and dialog list, recorded operations, the global search record and
// the search over files.
#include <gtest/gtest.h>

#include <string>

#include "base/memory_file_system.h"
#include "global_search/file_blocks.h"
#include "global_search/global_search_record.h"
#include "text/open_record.h"
#include "text/open_request.h"

namespace quelt {
namespace {

TEST(UnicodeCodeIdsTest, ChosenAndRecordedCodesTakeTheUnicodeIds) {
  EXPECT_EQ(OpenCodeOfListIndex(5, false), CharCodeId::kUtf8Bom);
  EXPECT_EQ(OpenCodeOfListIndex(7, false), CharCodeId::kUtf16Be);
  EXPECT_EQ(OpenCodeOfListIndex(8, false), CharCodeId::kAuto);
  OpenRequest request;
  request.forcedCode = CharCodeId::kUtf16Le;
  EXPECT_EQ(request.TakeForcedCode(), CharCodeId::kUtf16Le);
  request.forcedCode = static_cast<CharCodeId>(8);
  EXPECT_EQ(request.TakeForcedCode(), CharCodeId::kAuto);

  OpenDialogChoice open;
  open.paths = {"C:\\a.txt"};
  open.code = CharCodeId::kUtf16Be;
  EXPECT_EQ(DecodeOpenDialogChoice(EncodeOpenDialogChoice(open)), open);
  open.code = static_cast<CharCodeId>(8);
  EXPECT_FALSE(DecodeOpenDialogChoice(EncodeOpenDialogChoice(open)));
  SaveAsRecord save;
  save.path = "C:\\a.txt";
  save.code = CharCodeId::kUtf8;
  save.lineEnd = LineEndId::kLf;
  const auto decodedSave = DecodeSaveAsRecord(EncodeSaveAsRecord(save));
  ASSERT_TRUE(decodedSave);
  EXPECT_EQ(decodedSave->code, CharCodeId::kUtf8);

  GlobalSearchRequest search;
  search.text = "a";
  search.maskText = "*.txt";
  search.codeDecision = 6;
  const auto decodedSearch = DecodeGlobalSearchRecord(EncodeGlobalSearchRecord(search));
  ASSERT_TRUE(decodedSearch);
  EXPECT_EQ(decodedSearch->codeDecision, 6);
  search.codeDecision = 8;
  EXPECT_FALSE(DecodeGlobalSearchRecord(EncodeGlobalSearchRecord(search)));
}

TEST(UnicodeCodeIdsTest, TheSearchOverFilesReadsUnicodeFilesSmallAndLarge) {
  MemoryFileSystem fs;
  fs.CreateFolder("C:\\d");
  // UTF-16LE with its signature, detected; and a large UTF-8 file read
  // piece by piece.
  fs.WriteFile("C:\\d\\le.txt", std::string("\xFF\xFE\x42\x30\r\0\n\0", 8));
  std::string big;
  while (big.size() < 3u << 20) big += "あいう\n";
  fs.WriteFile("C:\\d\\big.txt", big);
  struct Case {
    const char* path;
    int decision;
    std::string start;
  };
  for (const Case& c : {Case{"C:\\d\\le.txt", 0, "\x82\xA0\r\n"}, Case{"C:\\d\\le.txt", 6, "\x82\xA0\r\n"},
                        Case{"C:\\d\\big.txt", 0, "\x82\xA0\x82\xA2\x82\xA4\r\n\x82\xA0"},
                        Case{"C:\\d\\big.txt", 4, "\x82\xA0\x82\xA2\x82\xA4\r\n\x82\xA0"}}) {
    SCOPED_TRACE(c.path);
    FileBlocks blocks;
    ASSERT_TRUE(blocks.Open(fs, c.path, c.decision, false));
    EXPECT_TRUE(blocks.Converted());
    std::string block;
    ASSERT_TRUE(blocks.Next(block));
    EXPECT_EQ(block.substr(0, c.start.size()), c.start);
  }
}

}  // namespace
}  // namespace quelt
