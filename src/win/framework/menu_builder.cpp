#include "framework/menu_builder.h"

#include <vector>

#include "framework/win_text.h"
#include "res/resource.h"

namespace quelt::win {
namespace {

// The resource ids and the command table name the same commands.
static_assert(ID_FILE_NEW == kCmdFileNew && ID_FILE_OPEN == kCmdFileOpen && ID_FILE_CLOSE == kCmdFileClose);
static_assert(ID_FILE_SAVE == kCmdFileSave && ID_FILE_SAVE_AS == kCmdFileSaveAs);
static_assert(ID_EDIT_UNDO == kCmdEditUndo && ID_EDIT_REDO == kCmdEditRedo);
static_assert(ID_WINDOW_CASCADE == kCmdWindowCascade && ID_WINDOW_TILE_HORZ == kCmdWindowTileHorz &&
              ID_WINDOW_TILE_VERT == kCmdWindowTileVert && ID_WINDOW_ARRANGE == kCmdWindowArrange);
static_assert(ID_APP_ABOUT == kCmdAppAbout && ID_APP_EXIT == kCmdAppExit);

// Appends items to menu; false when a call fails (the caller destroys the
// whole menu, which frees the popups already attached).
bool AppendItems(HMENU menu, const std::vector<MenuNode>& items, MnemonicShow show) {
  for (const MenuNode& node : items) {
    switch (node.kind) {
      case MenuEntryKind::kSeparator:
        if (!AppendMenuW(menu, MF_SEPARATOR, 0, nullptr)) return false;
        break;
      case MenuEntryKind::kCommand: {
        const std::wstring text = Utf8ToWide(DisplayMenuText(node.text, show));
        if (!AppendMenuW(menu, MF_STRING, node.id, text.c_str())) return false;
        break;
      }
      case MenuEntryKind::kPopup: {
        MenuHandle popup(CreatePopupMenu());
        if (!popup || !AppendItems(popup.Get(), node.children, show)) return false;
        const std::wstring text = Utf8ToWide(DisplayMenuText(node.text, show));
        if (!AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup.Get()), text.c_str())) {
          return false;
        }
        popup.Release();  // now owned by menu
        break;
      }
      case MenuEntryKind::kEnd:
        break;
    }
  }
  return true;
}

const CommandInfo* Find(UINT id) {
  // The entries of the recent-file list and of the favourite folders share
  // the prompt of their first item.
  if (id > kCmdRecentFileFirst && id <= kCmdRecentFileFirst + 15) id = kCmdRecentFileFirst;
  if (id > kCmdFavouriteFolders && id <= kCmdFavouriteFolders + 3) id = kCmdFavouriteFolders;
  return id <= 0xFFFF ? FindCommand(static_cast<CommandId>(id)) : nullptr;
}

}  // namespace

MenuHandle BuildMenu(int menuId, MnemonicShow show) {
  const MenuTree tree = BuildMenuTree(menuId);
  if (!tree.ok) return MenuHandle();
  MenuHandle menu(CreateMenu());
  if (!menu || !AppendItems(menu.Get(), tree.items, show)) return MenuHandle();
  return menu;
}

HACCEL BuildFrameAccelerators() {
  std::vector<ACCEL> table;
  for (const FrameAccelerator& a : FrameAccelerators()) {
    BYTE flags = FVIRTKEY;
    if (a.shift) flags |= FSHIFT;
    if (a.alt) flags |= FALT;
    table.push_back({flags, a.key, a.command});
  }
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

std::wstring CommandMenuText(UINT id, MnemonicShow show) {
  const CommandInfo* info = Find(id);
  if (!info || info->label.empty()) return {};
  return Utf8ToWide(DisplayMenuText(StoredMenuText(*info), show));
}

std::wstring CommandPrompt(UINT id) {
  const CommandInfo* info = Find(id);
  return info ? Utf8ToWide(info->prompt) : std::wstring();
}

std::wstring CommandTip(UINT id) {
  const CommandInfo* info = Find(id);
  return info ? Utf8ToWide(info->tip) : std::wstring();
}

}  // namespace quelt::win
