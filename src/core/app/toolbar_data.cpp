#include "app/toolbar_data.h"

#include <algorithm>

namespace quelt {
namespace {

constexpr CommandId kToolBarButtons[] = {
    kCmdFileNew,          kCmdFileOpen,          kCmdFileSave,         kCmdSaveAll,
    kCmdCloseAll,         kCmdFilePrint,         kCmdEditUndo,         kCmdEditRedo,
    kCmdEditCut,          kCmdEditCopy,          kCmdEditPaste,        kCmdAppendCut,
    kCmdAppendCopy,       kCmdPasteSelected,     kCmdPasteFromHistory, kCmdPasteHistoryCurrent,
    kCmdPasteHistoryNext, kCmdPasteHistoryPrev,  kCmdEditFind,         kCmdFindNext,
    kCmdFindPrev,         kCmdGlobalSearch,      kCmdLineExtract,      kCmdLineMarkToggle,
    kCmdLineMarkNext,     kCmdLineMarkPrev,      kCmdLineMarkClearAll, kCmdMatchBracket,
    kCmdAlignRight,       kCmdAlignLeft,         kCmdAlignCentre,      kCmdSplitLines,
    kCmdJoinLines,        kCmdCabinetChange,     kCmdCabinetNew,       kCmdCabinetSheet,
    kCmdCabinetFormat,    kCmdCabinetColour,     kCmdCabinetKeyword,   kCmdCabinetFileList,
    kCmdCommonSettingsBar, kCmdRecordToggle,     kCmdPlayback,         kCmdSaveOperation,
    kCmdLoadOperation,    kCmdExplorer,          kCmdRunProgram,       kCmdColumnRuler,
    kCmdLineRuler,        kCmdAllowOverwrite,    kCmdTagJumpNext,      kCmdTagJumpPrev,
    kCmdTagWindow,        kCmdInsertTag,
};

constexpr CommandId kSep = kToolBarSeparator;
// The default layout keeps to one row in an 800-pixel frame; the other
// buttons are there for customisation.
constexpr CommandId kDefaultLayout[] = {
    kCmdFileNew,        kCmdFileOpen,       kCmdFileSave,     kCmdSaveAll,          kSep,
    kCmdEditCut,        kCmdEditCopy,       kCmdEditPaste,    kCmdPasteFromHistory, kCmdEditUndo,
    kCmdEditRedo,       kSep,               kFindBoxId,       kCmdFindNext,         kCmdFindPrev,
    kCmdGlobalSearch,   kSep,               kCmdLineMarkToggle, kCmdLineMarkNext,   kCmdLineMarkPrev,
    kSep,               kCmdCabinetChange,  kCmdCabinetNew,   kCmdCabinetSheet,     kCmdCabinetFormat,
    kCmdCabinetColour,  kCmdCabinetKeyword, kSep,             kCmdCommonSettingsBar, kCmdAllowOverwrite,
};

// Page and character tags, lists and paragraphs, then erase, repeat and the
// tag jumps.
constexpr CommandId kTagBar1[] = {
    kCmdTagPage,      kCmdTagImage,      kCmdTagHeading,   kCmdTagCharacter,     kCmdTagBlink,
    kCmdTagLink,      kCmdTagAnchor,     kCmdTagCentre,    kCmdTagPre,           kCmdTagBulletList,
    kCmdTagNumberList, kCmdTagDefinitionList, kCmdTagParagraph, kCmdTagNoBreak,  kCmdTagClear,
    kCmdTagRule,      kCmdTagBreak,      kCmdTagErase,     kCmdTagRepeat,        kCmdInsertTag,
    kCmdTagJumpCurrent, kCmdTagJumpNext, kCmdTagJumpPrev,
};
static_assert(std::size(kTagBar1) == 23);

// Tables, forms and frames, then the tag window, erase and repeat.
constexpr CommandId kTagBar2[] = {
    kCmdTableWizard, kCmdTableArea,  kCmdTableCaption, kCmdTableHeader,   kCmdTableData,
    kCmdTableRow,    kCmdFormArea,   kCmdFormText,     kCmdFormRadio,     kCmdFormCheckBox,
    kCmdFormSubmit,  kCmdFormReset,  kCmdFormSelect,   kCmdFormTextArea,  kCmdFrameArea,
    kCmdFrameFrame,  kCmdFrameNoFrame, kCmdFrameTarget, kCmdTagWindow,    kCmdTagErase,
    kCmdTagRepeat,
};
static_assert(std::size(kTagBar2) == 21);

}  // namespace

std::span<const CommandId> ToolBarButtonCommands() { return kToolBarButtons; }

std::optional<int> ToolBarImageOf(CommandId command) {
  const auto* it = std::find(std::begin(kToolBarButtons), std::end(kToolBarButtons), command);
  if (it == std::end(kToolBarButtons)) return std::nullopt;
  return static_cast<int>(it - std::begin(kToolBarButtons));
}

std::span<const CommandId> DefaultToolBarLayout() { return kDefaultLayout; }
std::span<const CommandId> TagToolBar1Commands() { return kTagBar1; }
std::span<const CommandId> TagToolBar2Commands() { return kTagBar2; }

}  // namespace quelt
