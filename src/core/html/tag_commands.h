// The tag commands by id: the pair each one inserts once its dialog has
// stored its values, and which of them put items on the selected lines.
// The window's handler shows the dialog (unless the command has none),
// stores the values in TagSettings on OK, and hands the pair to
// InsertTagPair, or to InsertListTags for the commands with line items.
#pragma once

#include <optional>
#include <string_view>

#include "app/command_ids.h"
#include "html/tag_pair.h"
#include "html/tag_repeat.h"

namespace quelt {

// The pair of a tag command from the settings as its dialog left them:
// every command of the tag, table, form and frame menus except the free
// tag form (33019), repeat (32958) and tag erase (32951); nullopt for those
// and any other command.
std::optional<TagPair> TagPairOfCommand(CommandId id, const TagSettings& s);

// The items a command puts at the start of each selected line: item A
// always, item B in turn with it when not empty.
struct ListItems {
  std::string_view itemA;
  std::string_view itemB;
};
// For the three lists (32915, 32916, 32938) and the selection box (32948).
std::optional<ListItems> LineItemsOfCommand(CommandId id);

}  // namespace quelt
