// The methods of the automation object as data: name, dispatch id (its
// position + 1), argument and result types, and the call into the editor.
#pragma once

#include <string>

#include "automation/automation_target.h"

namespace quelt::win {

enum class AutoArgKind : unsigned char { kLong, kBool, kString };
enum class AutoResultKind : unsigned char { kNone, kLong, kBool };

// One argument after conversion from its automation type; only the member
// of the method's argument kind is meaningful.
struct AutoArg {
  long number = 0;
  bool flag = false;
  std::string text;  // Shift-JIS
};

inline constexpr int kAutoMaxArgs = 2;    // the most arguments a method takes
inline constexpr int kAutoMethodCount = 38;
// The view commands the mark methods send (set/clear, next, previous and
// clear-all for line marks, then the same four for string marks).
inline constexpr int kFirstMarkCommandId = 32768;

struct AutoMethod {
  const wchar_t* name;
  AutoResultKind result;
  int argCount;
  AutoArgKind argKinds[kAutoMaxArgs];
  // Calls the editor; BOOL results come back as 0 or 1, none as 0.
  long (*call)(AutomationTarget& target, AutoArg* args);
};

// The method with this dispatch id (1..kAutoMethodCount), or null.
const AutoMethod* FindAutoMethod(long dispId);
// The dispatch id of a method name, ignoring ASCII case; 0 when unknown.
long FindAutoDispId(const wchar_t* name);

}  // namespace quelt::win
