// The popup menus: tag popups, the window-bar menu and the choice of a new
// extended-menu entry. Each has one root popup, the menu that opens.
#include "app/menu_table.h"

namespace quelt {
namespace {

constexpr MenuEntry kTagPopup[] = {
    MenuPopup("ﾀｸﾞ", 0),
    MenuCmd(kCmdHylPage),
    MenuCmd(kCmdTagCharacter),
    MenuCmd(kCmdTagLink),
    MenuPopup("生ﾀｸﾞ", 'R'),
    MenuCmd(kCmdTagCentre),
    MenuCmd(kCmdTagPre),
    MenuCmd(kCmdTagBulletList),
    MenuCmd(kCmdTagNumberList),
    MenuEnd(),
    MenuEnd(),
};

constexpr MenuEntry kTextTag[] = {
    MenuPopup("ﾀｸﾞ", 0),
    MenuCmd(kCmdTagPage),
    MenuCmd(kCmdTagImage),
    MenuSep(),
    MenuPopup("文字", 'C'),
    MenuCmd(kCmdTagHeading),
    MenuCmd(kCmdTagCharacter),
    MenuCmd(kCmdTagBlink),
    MenuCmd(kCmdTagCentre),
    MenuEnd(),
    MenuPopup("ﾘﾝｸ", 'L'),
    MenuCmd(kCmdTagLink),
    MenuCmd(kCmdTagAnchor),
    MenuEnd(),
    MenuPopup("表", 'T'),
    MenuCmd(kCmdTableWizard),
    MenuSep(),
    MenuCmd(kCmdTableArea),
    MenuCmd(kCmdTableCaption),
    MenuCmd(kCmdTableHeader),
    MenuCmd(kCmdTableData),
    MenuCmd(kCmdTableRow),
    MenuEnd(),
    MenuPopup("ﾌｫｰﾑ", 'F'),
    MenuCmd(kCmdFormArea),
    MenuSep(),
    MenuCmd(kCmdFormText),
    MenuCmd(kCmdFormRadio),
    MenuCmd(kCmdFormCheckBox),
    MenuCmd(kCmdFormSubmit),
    MenuCmd(kCmdFormReset),
    MenuCmd(kCmdFormSelect),
    MenuCmd(kCmdFormTextArea),
    MenuEnd(),
    MenuPopup("ﾌﾚｰﾑ", 'M'),
    MenuCmd(kCmdFrameArea),
    MenuCmd(kCmdFrameFrame),
    MenuCmd(kCmdFrameNoFrame),
    MenuCmd(kCmdFrameTarget),
    MenuEnd(),
    MenuPopup("段落", 'G'),
    MenuCmd(kCmdTagParagraph),
    MenuCmd(kCmdTagPre),
    MenuCmd(kCmdTagNoBreak),
    MenuCmd(kCmdTagClear),
    MenuSep(),
    MenuCmd(kCmdTagRule),
    MenuCmd(kCmdTagBreak),
    MenuEnd(),
    MenuPopup("ﾘｽﾄ", 'S'),
    MenuCmd(kCmdTagBulletList),
    MenuCmd(kCmdTagNumberList),
    MenuCmd(kCmdTagDefinitionList),
    MenuEnd(),
    MenuSep(),
    MenuCmd(kCmdTagErase),
    MenuCmd(kCmdTagRepeat),
    MenuEnd(),
};

constexpr MenuEntry kWindowBar[] = {
    MenuPopup("ｳｨﾝﾄﾞｳﾊﾞｰﾒﾆｭｰ", 0),
    MenuCmd(kCmdFileClose),
    MenuSep(),
    MenuCmd(kCmdFileSave),
    MenuCmd(kCmdFileSaveAs),
    MenuSep(),
    MenuCmd(kCmdFileDelete),
    MenuCmd(kCmdFileRename),
    MenuCmd(kCmdFileProperties),
    MenuSep(),
    MenuPopup("登録", 'R'),
    MenuCmd(kCmdRegisterCabinetList),
    MenuCmd(kCmdRegisterSearchList),
    MenuEnd(),
    MenuEnd(),
};

constexpr MenuEntry kExtendedEntry[] = {
    MenuPopup("新規", 0),
    MenuCmd(kCmdExtNewCommand),
    MenuCmd(kCmdExtNewOperation),
    MenuCmd(kCmdExtNewSeparator),
    MenuEnd(),
};

}  // namespace

std::span<const MenuEntry> TagPopupMenuData() { return kTagPopup; }
std::span<const MenuEntry> TextTagMenuData() { return kTextTag; }
std::span<const MenuEntry> WindowBarMenuData() { return kWindowBar; }
std::span<const MenuEntry> ExtendedEntryMenuData() { return kExtendedEntry; }

}  // namespace quelt
