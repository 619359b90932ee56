#include "text/doc_properties.h"

#include <cstdio>

#include "base/path.h"
#include "text/size_format.h"

namespace quelt {

PropertiesSource PropertiesSourceOf(const TextStore& store, const std::string& path, const std::string& title,
                                    bool textWindow) {
  PropertiesSource s;
  s.path = path;
  s.title = title;
  s.textWindow = textWindow;
  s.code = static_cast<CharCodeId>(store.CharCode());
  s.lineEnd = static_cast<LineEndId>(store.LineEnd());
  s.displayLines = store.LineCount();
  s.logicalLines = (store.Length() == 0 || store.LineCount() == 0) ? 0 : store.LogicalLineOf(store.LineCount() - 1) + 1;
  s.textLength = store.Length();
  return s;
}

std::string FormatFileTime(const FileTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d", t.year % 100, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

DocumentProperties ComputeProperties(FileSystem& fs, const PropertiesSource& source) {
  DocumentProperties p;
  p.name = source.path.empty() ? source.title : FileNameOf(source.path);
  if (!source.path.empty()) {
    p.path = source.path;
    FileInfo info;
    if (fs.GetInfo(source.path, info) && !info.isDirectory) {
      p.fileSize = FormatKilobytes(info.size);
      p.created = FormatFileTime(info.created);
      p.modified = FormatFileTime(info.modified);
    }
  }
  p.editSize = FormatKilobytes(source.textLength);
  if (source.textWindow) {
    p.code = CharCodeShortName(source.code);
    p.lineEnd = LineEndShortName(source.lineEnd);
    p.displayLines = FormatCount(source.displayLines);
    p.logicalLines = FormatCount(source.logicalLines);
    p.editSizeBaseNote = true;
  }
  return p;
}

}  // namespace quelt
