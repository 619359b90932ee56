// The fields of the document properties dialog, computed from the document
// and what the file system says about its file.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "text/char_code.h"
#include "text/text_store.h"

namespace quelt {

struct PropertiesSource {
  std::string path;   // empty when untitled
  std::string title;
  bool textWindow = true;  // the text window (not the binary view) is active
  CharCodeId code = CharCodeId::kShiftJis;
  LineEndId lineEnd = LineEndId::kCrLf;
  std::uint32_t displayLines = 0;
  std::uint32_t logicalLines = 0;
  std::uint32_t textLength = 0;
};

// Every field as shown; fields that do not apply are empty. Name and path
// are Shift-JIS, the other fields ASCII.
struct DocumentProperties {
  std::string name;          // "文書名 :"
  std::string path;          // "ﾊﾟｽ名 :"
  std::string fileSize;      // "ﾌｧｲﾙｻｲｽﾞ :"
  std::string created;       // "作成日時 :"
  std::string modified;      // "更新日時 :"
  std::string code;          // "ｺｰﾄﾞ :"
  std::string lineEnd;       // "改行 :"
  std::string displayLines;  // "表示行数 :"
  std::string logicalLines;  // "改行行数 :"
  std::string editSize;      // "編集ｻｲｽﾞ :"
  bool editSizeBaseNote = false;  // "  [SJIS, CRLFﾍﾞｰｽ]" follows the edit size
};

// The source fields of a document: logical lines are the logical line of
// the last display line plus one, 0 for an empty text.
PropertiesSource PropertiesSourceOf(const TextStore& store, const std::string& path, const std::string& title,
                                    bool textWindow);

DocumentProperties ComputeProperties(FileSystem& fs, const PropertiesSource& source);

// "%y/%m/%d %H:%M:%S".
std::string FormatFileTime(const FileTime& time);

}  // namespace quelt
