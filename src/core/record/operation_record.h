// The operation record: what the recorder keeps of one recorded operation,
// packed one after another in the record buffer and in operation files as
// kind, id and data length (little-endian 32-bit each) followed by the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

// Record kinds.
constexpr std::uint32_t kOpKeyHome = 16;  // navigation keys: id = modifier set
constexpr std::uint32_t kOpKeyEnd = 17;
constexpr std::uint32_t kOpKeyPageUp = 18;
constexpr std::uint32_t kOpKeyPageDown = 19;
constexpr std::uint32_t kOpKeyRight = 20;
constexpr std::uint32_t kOpKeyLeft = 21;
constexpr std::uint32_t kOpKeyDown = 22;
constexpr std::uint32_t kOpKeyUp = 23;
constexpr std::uint32_t kOpKeyInsert = 24;
constexpr std::uint32_t kOpKeyEscape = 25;
constexpr std::uint32_t kOpViewCommand = 256;   // id = command (stored as its index)
constexpr std::uint32_t kOpTypedText = 272;     // data = the text
constexpr std::uint32_t kOpDelete = 288;        // id = number of characters
constexpr std::uint32_t kOpSearch = 304;        // data = the find dialog's record
constexpr std::uint32_t kOpFindBox = 305;       // id = direction, data = the find box's record
constexpr std::uint32_t kOpFrameCommand = 512;  // id = command (stored as its index), data = dialog results

// Modifier set of the navigation keys.
constexpr std::uint32_t kOpModShift = 1;
constexpr std::uint32_t kOpModCtrl = 2;

constexpr bool IsNavigationKeyKind(std::uint32_t kind) { return kind >= kOpKeyHome && kind <= kOpKeyEscape; }
// Kinds whose id is a command, stored by its index in the recordable table.
constexpr bool IsCommandKind(std::uint32_t kind) { return kind == kOpViewCommand || kind == kOpFrameCommand; }

constexpr std::size_t kRecordBufferSize = 61440;
constexpr std::size_t kRecordHeaderSize = 12;
// Typed text is recorded only while it is shorter than this.
constexpr std::size_t kTypedTextLimit = 4096;

// One record as playback hands it on: for the command kinds the id is the
// command id again. data points into the record buffer and stays valid for
// the dispatch of the record.
struct OperationRecord {
  std::uint32_t kind = 0;
  std::uint32_t id = 0;
  std::string_view data;
};

std::uint32_t ReadWord32(const char* p);
void AppendWord32(std::string& out, std::uint32_t v);
void WriteWord32(char* p, std::uint32_t v);

// Appends one record as stored (the id is not mapped).
void AppendStoredRecord(std::string& out, std::uint32_t kind, std::uint32_t id, std::string_view data);

// Reads the stored record at pos of records and moves pos past it. False,
// with pos unchanged, when fewer than a header's bytes remain or the data
// runs past the end.
bool NextStoredRecord(std::string_view records, std::size_t& pos, OperationRecord& out);

// Walks records from the start: true when they end exactly at the end and
// there are count of them.
bool RecordsWalkCleanly(std::string_view records, std::uint32_t count);

}  // namespace quelt
