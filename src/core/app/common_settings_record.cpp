#include "app/common_settings_record.h"

#include <array>
#include <cstdint>
#include <vector>

#include "base/le_words.h"

namespace quelt {
namespace {

constexpr std::uint32_t kEditBit = 1, kDisplayBit = 2, kFoldersBit = 4, kScrollBit = 8, kRulerBit = 16;
constexpr std::uint32_t kMouseBit = 32;
constexpr std::uint32_t kAllPages = kEditBit | kDisplayBit | kFoldersBit | kScrollBit | kRulerBit | kMouseBit;

// The fields of each page in their recorded order. A new field goes at the
// end of its list so that older records still read.
constexpr std::array<bool EditPageValues::*, 17> kEditChecks = {
    &EditPageValues::cabinetSave,
    &EditPageValues::initialCabinet,
    &EditPageValues::initialCabinetMode,
    &EditPageValues::invokeWithoutUntitled,
    &EditPageValues::colorAreaComment,
    &EditPageValues::joinLinesTightly,
    &EditPageValues::padSpaceForMoving,
    &EditPageValues::useDefaultExtension,
    &EditPageValues::multiText,
    &EditPageValues::closeUntitledWithoutPrompt,
    &EditPageValues::enableTabPosition,
    &EditPageValues::enableDragDropEdit,
    &EditPageValues::residentMode,
    &EditPageValues::multiInstance,
    &EditPageValues::viewMode,
    &EditPageValues::clickableUrlEmail,
    &EditPageValues::clipHistory,
};
constexpr std::array<std::string EditPageValues::*, 4> kEditTexts = {
    &EditPageValues::tabPosition, &EditPageValues::columnOutString, &EditPageValues::mailerPath,
    &EditPageValues::mailerArgument};

constexpr std::array<bool DisplayPageValues::*, 17> kDisplayChecks = {
    &DisplayPageValues::displayToolBar,
    &DisplayPageValues::displayStatusBar,
    &DisplayPageValues::showSplash,
    &DisplayPageValues::drawUnderLine,
    &DisplayPageValues::saveTagToolBarLayout,
    &DisplayPageValues::displayTabBar,
    &DisplayPageValues::tabBarPosition,
    &DisplayPageValues::buttonStyleTabBar,
    &DisplayPageValues::addDocNumber,
    &DisplayPageValues::setCompositionFont,
    &DisplayPageValues::invertBracketArea,
    &DisplayPageValues::displayCodeEnter,
    &DisplayPageValues::fullPathFileList,
    &DisplayPageValues::displayCharCode,
    &DisplayPageValues::displayAlwaysShiftJis,
    &DisplayPageValues::displayExtBar,
    &DisplayPageValues::extBarPosition,
};
constexpr std::array<std::string DisplayPageValues::*, 5> kDisplayTexts = {
    &DisplayPageValues::userLineComment, &DisplayPageValues::extMenuCount,
    &DisplayPageValues::recentFileListCount, &DisplayPageValues::leftMargin, &DisplayPageValues::topMargin};

constexpr std::array<bool ScrollPageValues::*, 2> kScrollChecks = {&ScrollPageValues::oneScrollNotRepeat,
                                                                   &ScrollPageValues::autoScrollBreak};
constexpr std::array<std::string ScrollPageValues::*, 4> kScrollTexts = {
    &ScrollPageValues::scrollLineCount, &ScrollPageValues::autoScrollInt, &ScrollPageValues::autoScrollCount,
    &ScrollPageValues::wheelLineCount};

constexpr std::array<bool RulerPageValues::*, 3> kRulerChecks = {
    &RulerPageValues::displayRulerBar, &RulerPageValues::displayLineBar, &RulerPageValues::figureRuler};
constexpr std::array<std::uint32_t RulerPageValues::*, 4> kRulerColours = {
    &RulerPageValues::rulerCursorColorref, &RulerPageValues::rulerBackColorref,
    &RulerPageValues::lineCursorColorref, &RulerPageValues::lineBackColorref};

template <class V, std::size_t N>
void PutChecks(std::string& out, const V& v, const std::array<bool V::*, N>& checks) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (v.*checks[i]) bits |= 1u << i;
  }
  AppendLe32(out, bits);
}

void PutText(std::string& out, const std::string& text) {
  out += text;
  out.push_back('\0');
}

template <class V, std::size_t N>
void PutTexts(std::string& out, const V& v, const std::array<std::string V::*, N>& texts) {
  for (const auto field : texts) PutText(out, v.*field);
}

template <class V, std::size_t N>
bool TakeChecks(std::string_view& in, V& v, const std::array<bool V::*, N>& checks) {
  std::uint32_t bits = 0;
  if (!TakeLe32(in, bits) || (bits >> N) != 0) return false;
  for (std::size_t i = 0; i < N; ++i) v.*checks[i] = (bits >> i & 1) != 0;
  return true;
}

bool TakeText(std::string_view& in, std::string& text) {
  const std::size_t end = in.find('\0');
  if (end == std::string_view::npos) return false;
  text.assign(in.substr(0, end));
  in.remove_prefix(end + 1);
  return true;
}

template <class V, std::size_t N>
bool TakeTexts(std::string_view& in, V& v, const std::array<std::string V::*, N>& texts) {
  for (const auto field : texts) {
    if (!TakeText(in, v.*field)) return false;
  }
  return true;
}

}  // namespace

CommonSettingsChoice CommonSettingsChoice::FromSettings(const AppSettings& s, const PopupMenuItems& popup) {
  CommonSettingsChoice c;
  c.popup = popup;
  c.edit = EditPageValues::FromSettings(s);
  c.display = DisplayPageValues::FromSettings(s);
  c.folders = FolderPageValues::FromSettings(s);
  c.scroll = ScrollPageValues::FromSettings(s);
  c.ruler = RulerPageValues::FromSettings(s);
  return c;
}

bool ApplyCommonSettingsChoice(const CommonSettingsChoice& c, AppSettings& settings, PopupMenuItems* popup,
                               CipherSecrets* secrets) {
  AppSettings s = settings;
  CipherSecrets keptSecrets = secrets ? *secrets : CipherSecrets{};
  if (c.securityOpened && c.security.Apply(s, keptSecrets) != nullptr) return false;
  if (c.editOpened && c.edit.Apply(s) != nullptr) return false;
  if (c.displayOpened && c.display.Apply(s) != nullptr) return false;
  if (c.foldersOpened && c.folders.Apply(s) >= 0) return false;
  if (c.scrollOpened && c.scroll.Apply(s) != nullptr) return false;
  if (c.rulerOpened) c.ruler.Apply(s);
  settings = std::move(s);
  if (c.mouseOpened && popup) *popup = c.popup;
  if (c.securityOpened && secrets) *secrets = std::move(keptSecrets);
  return true;
}

std::string EncodeCommonSettingsRecord(const CommonSettingsChoice& c) {
  std::string out;
  std::uint32_t pages = 0;
  if (c.editOpened) pages |= kEditBit;
  if (c.displayOpened) pages |= kDisplayBit;
  if (c.foldersOpened) pages |= kFoldersBit;
  if (c.scrollOpened) pages |= kScrollBit;
  if (c.rulerOpened) pages |= kRulerBit;
  if (c.mouseOpened) pages |= kMouseBit;
  AppendLe32(out, pages);
  if (c.editOpened) {
    PutChecks(out, c.edit, kEditChecks);
    PutTexts(out, c.edit, kEditTexts);
  }
  if (c.displayOpened) {
    PutChecks(out, c.display, kDisplayChecks);
    PutTexts(out, c.display, kDisplayTexts);
  }
  if (c.foldersOpened) {
    for (const std::string& folder : c.folders.folders) PutText(out, folder);
  }
  if (c.scrollOpened) {
    PutChecks(out, c.scroll, kScrollChecks);
    PutTexts(out, c.scroll, kScrollTexts);
  }
  if (c.rulerOpened) {
    PutChecks(out, c.ruler, kRulerChecks);
    for (const auto field : kRulerColours) AppendLe32(out, c.ruler.*field);
  }
  if (c.mouseOpened) {
    AppendLe32(out, static_cast<std::uint32_t>(c.popup.size()));
    for (const std::int32_t item : c.popup.items()) AppendLe32(out, static_cast<std::uint32_t>(item));
  }
  return out;
}

std::optional<CommonSettingsChoice> DecodeCommonSettingsRecord(std::string_view in, const AppSettings& from,
                                                               const PopupMenuItems& popup) {
  CommonSettingsChoice c = CommonSettingsChoice::FromSettings(from, popup);
  std::uint32_t pages = 0;
  if (!TakeLe32(in, pages) || (pages & ~kAllPages) != 0) return std::nullopt;
  c.editOpened = (pages & kEditBit) != 0;
  c.displayOpened = (pages & kDisplayBit) != 0;
  c.foldersOpened = (pages & kFoldersBit) != 0;
  c.scrollOpened = (pages & kScrollBit) != 0;
  c.rulerOpened = (pages & kRulerBit) != 0;
  c.mouseOpened = (pages & kMouseBit) != 0;
  if (c.editOpened && !(TakeChecks(in, c.edit, kEditChecks) && TakeTexts(in, c.edit, kEditTexts)))
    return std::nullopt;
  if (c.displayOpened && !(TakeChecks(in, c.display, kDisplayChecks) && TakeTexts(in, c.display, kDisplayTexts)))
    return std::nullopt;
  if (c.foldersOpened) {
    for (std::string& folder : c.folders.folders) {
      if (!TakeText(in, folder)) return std::nullopt;
    }
  }
  if (c.scrollOpened && !(TakeChecks(in, c.scroll, kScrollChecks) && TakeTexts(in, c.scroll, kScrollTexts)))
    return std::nullopt;
  if (c.rulerOpened) {
    if (!TakeChecks(in, c.ruler, kRulerChecks)) return std::nullopt;
    for (const auto field : kRulerColours) {
      if (!TakeLe32(in, c.ruler.*field)) return std::nullopt;
    }
  }
  if (c.mouseOpened) {
    std::uint32_t count = 0;
    if (!TakeLe32(in, count) || count > kMaxPopupMenuItems) return std::nullopt;
    std::vector<std::int32_t> items;
    for (std::uint32_t i = 0; i < count; ++i) {
      std::uint32_t item = 0;
      if (!TakeLe32(in, item) || !PopupMenuItems::IsValidItem(static_cast<std::int32_t>(item))) return std::nullopt;
      items.push_back(static_cast<std::int32_t>(item));
    }
    c.popup = PopupMenuItems(std::move(items));
  }
  if (!in.empty()) return std::nullopt;
  return c;
}

}  // namespace quelt
