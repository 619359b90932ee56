// The state file beside the executable ("<exe>.DAT"): what the user builds
// up while working, read once at start-up and written once at exit.
//
// Layout (little-endian):
//     0   4  total length of the file in bytes
//     4 280  the page layout of printing (print/page_layout.h)
//   284  12  counts of the three history lists (0-20 each)
//   296   4  search option bits 0-2; bit 1 is stored inverted
//   300   4  search subfolders (0/1)
//   304   4  the find dialog's further option (0/1)
//   308  52  reserved: written as zeros, ignored when read
//   360      the three history lists, zero-ended texts: search strings (at
//            most 80 bytes each), the second list of search strings (80),
//            file masks and folders (260)
// and then, without gaps, the sections, each of which knows its own length:
//   1 program-execution history and user tools (tools/user_tools.h)
//   2 line extraction settings (extract/extract_settings.h)
//   3 custom colours (state/custom_colours.h)
//   4 free conversion rules (convert/free_conversion_rules.h)
//   5 popup menu of the text view (app/popup_menu_items.h)
//   6 cipher key and password (cipher/cipher_secrets.h)
//   7 extended menus (tools/extended_menus.h)
// A file that ends after a section leaves the later ones at their defaults.
// The file is read into a buffer of 61,440 bytes: a file that fills it is
// refused, so the writer never makes one that long (see BuildStateFile).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/popup_menu_items.h"
#include "cipher/cipher_secrets.h"
#include "convert/free_conversion_rules.h"
#include "extract/extract_settings.h"
#include "print/page_layout.h"
#include "state/custom_colours.h"
#include "tools/extended_menus.h"
#include "tools/user_tools.h"

namespace quelt {

class FileSystem;
class Host;

constexpr std::size_t kStateFileBufferSize = 61440;  // a file this long or longer is refused
constexpr std::size_t kStateHeaderSize = 360;
constexpr std::size_t kStateReservedSize = 52;
constexpr std::size_t kMaxHistoryEntries = 20;
constexpr std::size_t kMaxSearchHistoryText = 80;  // bytes of an entry of lists 1 and 2
constexpr std::size_t kMaxMaskHistoryText = 260;   // bytes of an entry of list 3

// The search option bits as the program uses them (on disk bit 1 is
// inverted, so an all-zero word means the defaults).
constexpr std::uint32_t kSearchCaseSensitive = 1u << 0;      // default off
constexpr std::uint32_t kSearchDistinguishWidth = 1u << 1;   // default on
constexpr std::uint32_t kSearchRegularExpression = 1u << 2;  // default off
constexpr std::uint32_t kSearchOptionMask = 0x7;

struct StateFileData {
  PageLayout pageLayout;
  // Newest first, at most 20 entries each, no zero bytes inside.
  std::vector<std::string> searchHistory;  // search strings of the global search
  std::vector<std::string> secondHistory;  // the second list of search strings
  std::vector<std::string> maskHistory;    // file masks and folders of the global search
  std::uint32_t searchOptions = kSearchDistinguishWidth;  // kSearch... bits
  bool searchSubfolders = true;
  bool findFurtherOption = true;  // the further flag of the find dialog

  ToolsSection tools;
  ExtractSettings extract;
  CustomColours customColours = DefaultCustomColours();
  FreeConversionRules freeConversion;
  PopupMenuItems popupMenu;
  CipherSecrets cipher;
  ExtendedMenus extendedMenus{};

  bool operator==(const StateFileData&) const = default;
};

// Parses a whole state file. False when the bytes are not a valid state file
// (of at least 360 and fewer than 61,440 bytes, with its length in the first
// word, history counts of at most 20, every entry within the data and its
// limit, and every section that begins before the end valid); out then holds
// the defaults.
// The cipher section is unsealed by sealer (none: no key, no password).
bool ParseStateFile(std::string_view bytes, StateFileData& out, const SecretSealer* sealer = nullptr);

enum class StateBuild {
  kWhole,    // everything was written
  kTrimmed,  // the file would have reached 61,440 bytes: the oldest entries
             // of the program-execution history, then of the mask, second
             // and search histories were left out until it fits
};

// The file's content for data. Lists are cut to their capacities and texts
// to their limits; the result always parses. The key and password are
// sealed by sealer (none: they are not stored).
StateBuild BuildStateFile(const StateFileData& data, std::string& out, const SecretSealer* sealer = nullptr);

// How ReadStateFile ended.
enum class StateFileRead {
  kRead,     // data came from the file
  kMissing,  // no file (or no path): the defaults, silently
  kRefused,  // the file could not be read, or its content is invalid: the
             // defaults, after kMsgDataFileReadError or kMsgStateFileKeptAside
};

// Reads the state file at path into data.
StateFileRead ReadStateFile(FileSystem& fs, Host& host, const std::string& path, StateFileData& data,
                            const SecretSealer* sealer = nullptr);

// The name a refused state file is kept under when the exit write replaces
// it: "<path>.bad" (the newest refused one).
std::string RefusedStateFileName(const std::string& path);

// Writes data to path. False when the path is empty (the executable's path
// was not known: nothing is written) or, after kMsgDataFileWriteError, when
// the file cannot be written. With keepRefused (the file was refused at
// start) the file as it is now is first copied to RefusedStateFileName; when
// that copy fails nothing is written, so the refused file is never lost.
bool WriteStateFile(FileSystem& fs, Host& host, const std::string& path, const StateFileData& data,
                    bool keepRefused = false, const SecretSealer* sealer = nullptr);

}  // namespace quelt
