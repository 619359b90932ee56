// A text model of an INI (private profile) file. It reads whatever bytes the
// file holds, answers lookups by the rules of the platform's profile functions
// and writes the text back with every line it did not change kept as it was,
// so sections and keys the program does not know survive a load and save.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"

namespace quelt {

// Largest settings file read; the rest of a bigger file is not looked at.
constexpr std::uint64_t kMaxIniFileBytes = 4u * 1024u * 1024u;

// The integer read of a profile value: leading blanks skipped, an optional
// sign, then decimal digits up to the first other byte. A text without digits,
// or a number outside the range of int, gives fallback.
int ParseProfileInt(std::string_view text, int fallback);

// The form of a settings file on disk. Inside, the text is always Shift-JIS.
enum class IniEncoding {
  kShiftJis,  // the bytes as they are
  kUtf16Le,   // UTF-16LE after the byte-order mark FF FE
};

class IniFile {
 public:
  IniFile() = default;
  // Parses any bytes: CR LF, LF or CR line ends, Shift-JIS text, NUL bytes.
  explicit IniFile(std::string_view text) { Parse(text); }

  void Parse(std::string_view text);
  // The file's text with CR LF line ends; untouched lines as they were read.
  std::string Serialize() const;

  // Section and key names compare without regard to ASCII case. When a key
  // occurs twice the first occurrence wins, as does the first of two
  // sections of the same name.
  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  // The value with surrounding blanks and one pair of enclosing quotes removed;
  // false (and out untouched) when the key is missing.
  bool GetString(std::string_view section, std::string_view key, std::string& out) const;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback = {}) const;
  // ParseProfileInt of the value; fallback when the key is missing.
  int GetInt(std::string_view section, std::string_view key, int fallback) const;

  // Sets a value, adding the section and key when missing. A value is one
  // line: it ends at the first CR, LF or NUL byte.
  void SetString(std::string_view section, std::string_view key, std::string_view value);
  void SetInt(std::string_view section, std::string_view key, int value);
  // Removes every occurrence of the key; false when there was none.
  bool RemoveKey(std::string_view section, std::string_view key);
  // Removes the first section of that name with all its lines.
  bool RemoveSection(std::string_view section);

  // The form the file was read in, and is written back in.
  IniEncoding Encoding() const { return encoding_; }
  void SetEncoding(IniEncoding encoding) { encoding_ = encoding; }

 private:
  struct Line {
    std::string raw;    // the line as read (or as last written)
    bool entry = false; // a "key=value" line
    std::string key;    // trimmed, only for entries
    std::string value;  // trimmed, only for entries
  };
  struct Section {
    bool hasHeader = false;  // false only for the lines before the first section
    std::string name;
    std::vector<Line> lines;  // the header line first when hasHeader
  };

  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  static const Line* FindLine(const Section& section, std::string_view key);

  std::vector<Section> sections_;
  IniEncoding encoding_ = IniEncoding::kShiftJis;
};

// Reads a settings file into ini; a file that cannot be read leaves ini empty
// and returns false. A file that starts with the UTF-16LE byte-order mark is
// converted to Shift-JIS (characters code page 932 cannot hold become '?')
// and SaveIniFile writes it back as UTF-16LE with the mark.
bool LoadIniFile(FileSystem& fs, const std::string& path, IniFile& ini);
bool SaveIniFile(FileSystem& fs, const std::string& path, const IniFile& ini);

}  // namespace quelt
