// The cabinet file: reading it from bytes and writing it to bytes. The file
// holds one cabinet's settings and the working state of the text documents
// that were open when it was saved.
//
// Current layout (version 1; version 0 differs only in its colour codes):
//   word: entry count N (bits 0-23) and version (bits 24-31)
//   word: offset B of the settings part
//   N document entries: zero-ended path, placement (11 words), active flag,
//     flags, three positions
//   at B: format block (41 words), keyword count, zero-ended keywords, then
//   the optional tail: kinsoku, three filter lists, keyword flags, cursor-line
//   and tag colours, file list, URL colour.
// An older 16-bit layout is read and converted, never written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cabinet/cabinet_settings.h"

namespace quelt {

constexpr std::size_t kCabinetBufferSize = 61440;  // a cabinet file is read into this buffer; a file this long or longer is refused
constexpr int kMaxCabinetDocuments = 30;           // document entries in a cabinet file
constexpr std::uint32_t kCabinetVersion = 1;       // the version the writer writes
constexpr std::size_t kCurrentEntryFixedBytes = 65;  // an entry is path length + 65
constexpr std::size_t kOlderEntryFixedBytes = 33;    // in the older layout, path length + 33
constexpr char kDefaultCabinetName[] = "quelt.cab";

// A frame's window placement as the platform stores it.
struct WindowPlacementRecord {
  std::uint32_t length = 44;
  std::uint32_t flags = 0;
  std::uint32_t showCmd = 0;
  std::int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const WindowPlacementRecord&) const = default;
};

// Open kinds of a document.
constexpr std::uint8_t kOpenText = 1;
constexpr std::uint8_t kOpenBinary = 2;

// One open text document as the cabinet remembers it.
struct CabinetDocument {
  std::string path;  // empty for an untitled document, which is not stored
  WindowPlacementRecord placement;
  bool active = false;          // its frame was the active child window
  bool writeProtected = false;  // overwrite protection
  std::uint8_t openKind = kOpenText;  // 1 text, 2 binary (anything else reads as 1)
  std::uint8_t htmlFlag = 0;
  // Text view: first visible line, caret line, caret column.
  // Binary view: first visible row, caret byte offset, 0.
  std::uint32_t position1 = 0, position2 = 0, position3 = 0;
  bool operator==(const CabinetDocument&) const = default;
};

// The layouts a cabinet file may have.
enum class CabinetLayout { kCurrent, kVersion0, kOlder };

// Everything a cabinet file holds.
struct CabinetImage {
  CabinetSettings settings;
  std::vector<CabinetDocument> documents;
  CabinetLayout layout = CabinetLayout::kCurrent;
};

// Parses a whole cabinet file. Fields missing from the optional tail take
// their defaults (filters in the given interface language). False when the
// bytes are not a valid cabinet of any layout; out is then unspecified.
bool ParseCabinet(std::string_view bytes, bool english, CabinetImage& out);
// The two layouts on their own (used by ParseCabinet).
bool ParseCurrentCabinet(std::string_view bytes, bool english, CabinetImage& out);
bool ParseOlderCabinet(std::string_view bytes, bool english, CabinetImage& out);

// Converts a 16-bit colour code of the older layouts (bits 0-14 a 1-based
// index into the 16-colour table, bit 15 the use flag) into a colour.
std::uint32_t ColourFromCode(std::uint32_t code);

// Serialises a cabinet in the current layout. Untitled documents are left
// out and at most 30 entries are written; when the whole would not fit the
// reader's buffer, entries are dropped from the end. False (out untouched)
// only when the settings alone do not fit.
bool WriteCabinetBytes(const CabinetSettings& settings, const std::vector<CabinetDocument>& documents,
                       std::string& out);
// The short file of a new cabinet: header with no entries, the block, no
// keywords, kinsoku and the three filter lists. The rest takes its defaults
// when read.
std::string WriteNewCabinetBytes(const CabinetSettings& settings);

// The default cabinet "quelt.cab" in the folder of the executable.
std::string DefaultCabinetPath(std::string_view exePath);
// The cabinet to read at start-up: the default one when the setting
// "CabinetName" is empty or "InitialCabinet" is set, else "CabinetName".
std::string StartupCabinetPath(std::string_view cabinetName, bool initialCabinet,
                               std::string_view exePath);

}  // namespace quelt
