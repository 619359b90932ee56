#include "record/operation_record.h"

namespace quelt {

std::uint32_t ReadWord32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

void WriteWord32(char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void AppendWord32(std::string& out, std::uint32_t v) {
  char b[4];
  WriteWord32(b, v);
  out.append(b, 4);
}

void AppendStoredRecord(std::string& out, std::uint32_t kind, std::uint32_t id, std::string_view data) {
  AppendWord32(out, kind);
  AppendWord32(out, id);
  AppendWord32(out, static_cast<std::uint32_t>(data.size()));
  out.append(data);
}

bool NextStoredRecord(std::string_view records, std::size_t& pos, OperationRecord& out) {
  if (pos > records.size() || records.size() - pos < kRecordHeaderSize) return false;
  const char* p = records.data() + pos;
  const std::uint32_t length = ReadWord32(p + 8);
  if (length > records.size() - pos - kRecordHeaderSize) return false;
  out.kind = ReadWord32(p);
  out.id = ReadWord32(p + 4);
  out.data = records.substr(pos + kRecordHeaderSize, length);
  pos += kRecordHeaderSize + length;
  return true;
}

bool RecordsWalkCleanly(std::string_view records, std::uint32_t count) {
  std::size_t pos = 0;
  std::uint32_t seen = 0;
  OperationRecord r;
  while (pos < records.size()) {
    if (!NextStoredRecord(records, pos, r) || ++seen > count) return false;
  }
  return seen == count;
}

}  // namespace quelt
