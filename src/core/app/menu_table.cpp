// Menu lookup and the tree form of the flat menu data.
#include "app/menu_table.h"

namespace quelt {
namespace {

// Built on first use, so lookups made during start-up find the tables.
std::span<const MenuResource> Menus() {
  static const MenuResource menus[] = {
      {kMenuNoDocument, NoDocumentMenuData()},     {kMenuTextDocument, TextDocumentMenuData()},
      {kMenuHtmlDocument, HtmlDocumentMenuData()}, {kMenuTagPopup, TagPopupMenuData()},
      {kMenuTextTag, TextTagMenuData()},           {kMenuWindowBar, WindowBarMenuData()},
      {kMenuExtendedEntry, ExtendedEntryMenuData()},
  };
  return menus;
}

// Deepest nesting of popups the data may use.
constexpr int kMaxMenuDepth = 8;

// Reads entries from pos into items until the matching end; false when the
// nesting is broken.
bool ReadLevel(std::span<const MenuEntry> entries, std::size_t& pos, int depth,
               std::vector<MenuNode>& items) {
  while (pos < entries.size()) {
    const MenuEntry& e = entries[pos++];
    switch (e.kind) {
      case MenuEntryKind::kEnd:
        return depth > 0;
      case MenuEntryKind::kSeparator:
        items.push_back({MenuEntryKind::kSeparator, 0, {}, {}});
        break;
      case MenuEntryKind::kCommand: {
        const CommandInfo* info = FindCommand(e.id);
        items.push_back({MenuEntryKind::kCommand, e.id, info ? StoredMenuText(*info) : std::string(), {}});
        break;
      }
      case MenuEntryKind::kPopup: {
        if (depth >= kMaxMenuDepth) return false;
        MenuNode node{MenuEntryKind::kPopup, 0, ComposeMenuText(e.label, e.letter, {}, false, e.form), {}};
        if (!ReadLevel(entries, pos, depth + 1, node.children)) return false;
        items.push_back(std::move(node));
        break;
      }
    }
  }
  return depth == 0;
}

void CollectIds(const std::vector<MenuNode>& items, std::vector<CommandId>& ids) {
  for (const MenuNode& n : items) {
    if (n.kind == MenuEntryKind::kCommand) ids.push_back(n.id);
    CollectIds(n.children, ids);
  }
}

const MenuNode* FindNode(const std::vector<MenuNode>& items, CommandId id) {
  for (const MenuNode& n : items) {
    if (n.kind == MenuEntryKind::kCommand && n.id == id) return &n;
    if (const MenuNode* found = FindNode(n.children, id)) return found;
  }
  return nullptr;
}

}  // namespace

std::span<const MenuResource> AllMenus() { return Menus(); }

const MenuResource* FindMenu(int id) {
  for (const MenuResource& m : Menus()) {
    if (m.id == id) return &m;
  }
  return nullptr;
}

MenuTree BuildMenuTree(int menuId) {
  MenuTree tree;
  const MenuResource* menu = FindMenu(menuId);
  if (!menu) return tree;
  std::size_t pos = 0;
  tree.ok = ReadLevel(menu->entries, pos, 0, tree.items);
  return tree;
}

std::vector<CommandId> MenuCommandIds(int menuId) {
  std::vector<CommandId> ids;
  CollectIds(BuildMenuTree(menuId).items, ids);
  return ids;
}

std::string MenuItemText(int menuId, CommandId id) {
  const MenuTree tree = BuildMenuTree(menuId);
  const MenuNode* node = FindNode(tree.items, id);
  return node ? node->text : std::string();
}

}  // namespace quelt
