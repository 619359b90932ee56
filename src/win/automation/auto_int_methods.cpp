#include "automation/auto_int_methods.h"

#include <algorithm>

namespace quelt::win {
namespace {

using K = AutoArgKind;
using R = AutoResultKind;
using T = AutomationTarget;

constexpr K kNo = K::kLong;  // filler for unused argument slots

long B(bool value) { return value ? 1 : 0; }

// A mark method: sends the command at offset from the first mark command.
template <int offset>
long Mark(T& t, AutoArg*) {
  t.SendViewCommand(kFirstMarkCommandId + offset);
  return 0;
}

// The byte count applies to the Shift-JIS bytes of the text; it is held to
// what the text really has, so the editor never reads past its end.
long InsertString(T& t, AutoArg* a) {
  std::string& text = a[0].text;
  const long available = static_cast<long>(std::min<size_t>(text.size(), 0x7fffffff));
  const long bytes = std::clamp(a[1].number, 0L, available);
  text.resize(static_cast<size_t>(bytes));
  t.InsertString(text, bytes);
  return 0;
}

const AutoMethod kMethods[kAutoMethodCount] = {
    {L"MoveCaret", R::kNone, 1, {K::kLong, kNo}, [](T& t, AutoArg* a) { t.MoveCaret(a[0].number); return 0L; }},
    {L"IsInsertMode", R::kBool, 0, {kNo, kNo}, [](T& t, AutoArg*) { return B(t.IsInsertMode()); }},
    {L"SetInsertMode", R::kNone, 1, {K::kBool, kNo}, [](T& t, AutoArg* a) { t.SetInsertMode(a[0].flag); return 0L; }},
    {L"IsTabToSpaceMode", R::kBool, 0, {kNo, kNo}, [](T& t, AutoArg*) { return B(t.IsTabToSpaceMode()); }},
    {L"SetTabToSpaceMode", R::kNone, 1, {K::kBool, kNo}, [](T& t, AutoArg* a) { t.SetTabToSpaceMode(a[0].flag); return 0L; }},
    {L"GetColumnPos", R::kLong, 0, {kNo, kNo}, [](T& t, AutoArg*) { return t.GetColumnPos(); }},
    {L"GetColumnBasePos", R::kLong, 0, {kNo, kNo}, [](T& t, AutoArg*) { return t.GetColumnBasePos(); }},
    {L"GetLinePos", R::kLong, 0, {kNo, kNo}, [](T& t, AutoArg*) { return t.GetLinePos(); }},
    {L"GetTabColumnCount", R::kLong, 0, {kNo, kNo}, [](T& t, AutoArg*) { return t.GetTabColumnCount(); }},
    {L"GetChar", R::kLong, 0, {kNo, kNo}, [](T& t, AutoArg*) { return t.GetChar(); }},
    {L"HideCaret", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.HideCaret(); return 0L; }},
    {L"Undo", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.Undo(); return 0L; }},
    {L"Redo", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.Redo(); return 0L; }},
    {L"SetCaretPos", R::kNone, 2, {K::kLong, K::kLong}, [](T& t, AutoArg* a) { t.SetCaretPos(a[0].number, a[1].number); return 0L; }},
    {L"ReplaceTabWithSpace", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.ReplaceTabWithSpace(); return 0L; }},
    {L"ShowCaret", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.ShowCaret(); return 0L; }},
    {L"SetThickCaretMode", R::kNone, 1, {K::kBool, kNo}, [](T& t, AutoArg* a) { t.SetThickCaretMode(a[0].flag); return 0L; }},
    {L"IsThickCaretMode", R::kBool, 0, {kNo, kNo}, [](T& t, AutoArg*) { return B(t.IsThickCaretMode()); }},
    {L"GetCharType", R::kLong, 0, {kNo, kNo}, [](T& t, AutoArg*) { return t.GetCharType(); }},
    {L"InsertString", R::kNone, 2, {K::kString, K::kLong}, InsertString},
    {L"SetColumnCount", R::kBool, 1, {K::kLong, kNo}, [](T& t, AutoArg* a) { return B(t.SetColumnCount(a[0].number)); }},
    {L"FileNew", R::kBool, 0, {kNo, kNo}, [](T& t, AutoArg*) { return B(t.FileNew()); }},
    {L"FileOpen", R::kBool, 1, {K::kString, kNo}, [](T& t, AutoArg* a) { return B(t.FileOpen(a[0].text)); }},
    {L"FileSave", R::kBool, 0, {kNo, kNo}, [](T& t, AutoArg*) { return B(t.FileSave()); }},
    {L"FileSaveAs", R::kBool, 1, {K::kString, kNo}, [](T& t, AutoArg* a) { return B(t.FileSaveAs(a[0].text)); }},
    {L"FileClose", R::kBool, 0, {kNo, kNo}, [](T& t, AutoArg*) { return B(t.FileClose()); }},
    {L"Exit", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.Exit(); return 0L; }},
    {L"DeleteString", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.DeleteString(); return 0L; }},
    {L"ResetSelection", R::kNone, 0, {kNo, kNo}, [](T& t, AutoArg*) { t.ResetSelection(); return 0L; }},
    {L"ToggleMarkedLine", R::kNone, 0, {kNo, kNo}, Mark<0>},
    {L"NextMarkedLine", R::kNone, 0, {kNo, kNo}, Mark<1>},
    {L"PrevMarkedLine", R::kNone, 0, {kNo, kNo}, Mark<2>},
    {L"ResetAllMarkedLine", R::kNone, 0, {kNo, kNo}, Mark<3>},
    {L"ToggleMarkedWord", R::kNone, 0, {kNo, kNo}, Mark<4>},
    {L"NextMarkedWord", R::kNone, 0, {kNo, kNo}, Mark<5>},
    {L"PrevMarkedWord", R::kNone, 0, {kNo, kNo}, Mark<6>},
    {L"ResetAllMarkedWord", R::kNone, 0, {kNo, kNo}, Mark<7>},
    {L"PlayOperation", R::kNone, 1, {K::kString, kNo}, [](T& t, AutoArg* a) { t.PlayOperation(a[0].text); return 0L; }},
};

// Method names are ASCII; folding only ASCII letters keeps the match
// independent of the user's locale.
wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool EqualsIgnoringAsciiCase(const wchar_t* a, const wchar_t* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    if (FoldAscii(*a) != FoldAscii(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

const AutoMethod* FindAutoMethod(long dispId) {
  if (dispId < 1 || dispId > kAutoMethodCount) return nullptr;
  return &kMethods[dispId - 1];
}

long FindAutoDispId(const wchar_t* name) {
  if (name == nullptr) return 0;
  for (int i = 0; i < kAutoMethodCount; ++i) {
    if (EqualsIgnoringAsciiCase(name, kMethods[i].name)) return i + 1;
  }
  return 0;
}

}  // namespace quelt::win
