#include "view/expand_format.h"

#include <cstdio>

#include "base/messages.h"
#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January", "February", "March",     "April",
                                   "May",     "June",     "July",      "August",
                                   "September", "October", "November", "December"};
// 日 月 火 水 木 金 土 in Shift-JIS.
constexpr const char* kDayKanji[] = {"\x93\xFA", "\x8C\x8E", "\x89\xCE", "\x90\x85",
                                     "\x96\xD8", "\x8B\xE0", "\x93\x79"};

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

std::string Number(int v, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", width, v);
  return buf;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// 0-based day of the year.
int DayOfYear(const LocalTime& t) {
  static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int month = Clamp(t.month, 1, 12);
  int day = kBefore[month - 1] + Clamp(t.day, 1, 31) - 1;
  if (month > 2 && IsLeapYear(t.year)) ++day;
  return day;
}

int WeekDay(const LocalTime& t) { return Clamp(t.dayOfWeek, 0, 6); }

std::string DateText(const LocalTime& t) {  // the C locale's %x
  return Number(t.month, 2) + "/" + Number(t.day, 2) + "/" + Number(t.year % 100, 2);
}
std::string TimeText(const LocalTime& t) {  // the C locale's %X
  return Number(t.hour, 2) + ":" + Number(t.minute, 2) + ":" + Number(t.second, 2);
}

// The strftime conversion of one letter in the C locale; false for a
// letter that is not one of them.
bool TimeConversion(char letter, const LocalTime& t, std::string_view zone, std::string& out) {
  const int yday = DayOfYear(t);
  const int wday = WeekDay(t);
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  switch (letter) {
    case 'a': out = std::string(kDays[wday], 3); break;
    case 'A': out = kDays[wday]; break;
    case 'b': out = std::string(kMonths[Clamp(t.month, 1, 12) - 1], 3); break;
    case 'B': out = kMonths[Clamp(t.month, 1, 12) - 1]; break;
    case 'd': out = Number(t.day, 2); break;
    case 'D': out = DateText(t) + " " + TimeText(t); break;  // %c
    case 'H': out = Number(t.hour, 2); break;
    case 'I': out = Number(hour12, 2); break;
    case 'j': out = Number(yday + 1, 3); break;
    case 'm': out = Number(t.month, 2); break;
    case 'M': out = Number(t.minute, 2); break;
    case 'p': out = t.hour < 12 ? "AM" : "PM"; break;
    case 'S': out = Number(t.second, 2); break;
    case 'U': out = Number((yday + 7 - wday) / 7, 2); break;
    case 'w': out = Number(wday, 1); break;
    case 'W': out = Number((yday + 7 - (wday + 6) % 7) / 7, 2); break;
    case 'x': out = DateText(t); break;
    case 'X': out = TimeText(t); break;
    case 'y': out = Number(((t.year % 100) + 100) % 100, 2); break;
    case 'Y': out = Number(t.year, 1); break;
    case 'z': out = zone; break;
    default: return false;
  }
  return true;
}

}  // namespace

std::string ExpandFormat(std::string_view format, std::string_view path, int line, int column,
                         const LocalTime& now, std::string_view timeZone) {
  std::string out;
  const LeadByteTest lead;
  auto fits = [&](std::size_t n) { return out.size() + n <= kMaxExpandedFormat; };
  for (std::size_t i = 0; i < format.size(); ++i) {
    const auto c = static_cast<std::uint8_t>(format[i]);
    if (lead(c)) {
      if (i + 1 == format.size() || !fits(2)) break;  // a lone lead byte is not copied
      out += format.substr(i, 2);
      ++i;
      continue;
    }
    if (c != '$') {
      if (!fits(1)) break;
      out += static_cast<char>(c);
      continue;
    }
    if (++i == format.size()) break;  // "$" at the end ends the format
    const char letter = format[i];
    std::string piece;
    switch (letter) {
      case 'c': piece = std::to_string(column); break;
      case 'l': piece = std::to_string(line); break;
      case 'n': piece = FileNameOf(path); break;
      case 'f': piece = std::string(path); break;
      case 'e':
        if (IsEnglishInterface()) {
          TimeConversion('a', now, timeZone, piece);
        } else {
          piece = kDayKanji[WeekDay(now)];
        }
        break;
      default:
        if (!TimeConversion(letter, now, timeZone, piece)) {
          // "$$" and any other letter stand for themselves; a lead byte
          // after "$" keeps its trail byte.
          const auto l = static_cast<std::uint8_t>(letter);
          if (lead(l)) {
            if (i + 1 == format.size()) return out;
            piece = std::string(format.substr(i, 2));
            ++i;
          } else {
            piece = std::string(1, letter);
          }
        }
        break;
    }
    if (!fits(piece.size())) break;
    out += piece;
  }
  return out;
}

std::string ExpandFormat(std::string_view format, std::string_view path, int line, int column,
                         Clock& clock, std::string_view timeZone) {
  return ExpandFormat(format, path, line, column, clock.Now(), timeZone);
}

std::string_view DateInsertionFormat() { return IsEnglishInterface() ? "$m/$d/$y" : "$y/$m/$d"; }
std::string_view TimeInsertionFormat() { return "$H:$M:$S"; }

const char* const kFormatVariableHelp[] = {
    "$$ Dollar sign",
    "$c Current column number",
    "$l Current line number",
    "$n Filename",
    "$f Fully qualified filename",
    "$z Time-zone name or abbreviation; no characters if unknown",
    "$Y Year with century, as decimal number",
    "$y Year without century, as decimal number (00 - 99)",
    "$X Time representation for current locale",
    "$x Date representation for current locale",
    "$W Week of year as decimal number, with Monday as first (00 - 51)",
    "$w Weekday as decimal number (0 - 6; Sunday is 0)",
    "$U Week of year as decimal number, with Sunday as first (00 - 51)",
    "$S Second as decimal number (00 - 59)",
    "$p Current locale's A.M./P.M. indicator",
    "$M Minute as decimal number (00 - 59)",
    "$m Month as decimal number (01 - 12)",
    "$j Day of year as decimal number (001 - 366)",
    "$I Hour in 12-hour format (01 - 12)",
    "$H Hour in 24-hour format (00 - 23)",
    "$e Abbreviated weekday name( = $a)",
    "$D Date and time",
    "$d Day of month as decimal number (01 - 31)",
    "$B Full month name",
    "$b Abbreviated month name",
    "$A Full weekday name",
    "$a Abbreviated weekday name",
};
const std::size_t kFormatVariableHelpCount = sizeof(kFormatVariableHelp) / sizeof(kFormatVariableHelp[0]);

}  // namespace quelt
