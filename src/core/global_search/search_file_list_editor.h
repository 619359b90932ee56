// The editing rules of the search file list dialog ("検索ﾌｧｲﾙﾘｽﾄ"), without
// the dialog: the name list, the selected list and the mask field ("ﾌｧｲﾙ名",
// one mask per line). The dialog forwards its actions and beeps when told.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "global_search/search_file_lists.h"

namespace quelt {

enum class ListEdit {
  kOk,
  kLinesLeftOver,  // done, but field lines beyond 500 (or over 260 bytes) were dropped: beep
  kRefused,        // nothing done: beep
  kListEmpty,      // the selected list has no masks and cannot be left: beep, keep the
                   // selection and put the focus in the field
};

class SearchFileListEditor {
 public:
  // Selects the list named selectName (exact comparison), else the first.
  // documentPath is empty when the dialog has no document ("ﾌｧｲﾙ追加" hidden).
  SearchFileListEditor(SearchFileLists lists, std::string_view selectName, std::string documentPath);

  const SearchFileLists& Lists() const { return lists_; }
  std::optional<std::size_t> Selected() const { return selected_; }
  bool CanAddFile() const { return !documentPath_.empty(); }

  // The field's text: the selected list's masks, one per line (CR LF).
  const std::string& FieldText() const { return field_; }
  // The user changed the field.
  void FieldChanged(std::string_view text);

  // Selection moves to another list; the field is stored first.
  ListEdit Select(std::size_t index);
  // "新規": the new list is added at the end and selected (at most 30; an
  // empty name or one that exists already is refused).
  ListEdit AddList(std::string_view name);
  // "削除": removes the selected list; the one below it, else the new last
  // one, is selected.
  ListEdit DeleteSelected();
  // "ﾌｧｲﾙ追加": appends the document's path (quoted when it holds a space)
  // to the selected list's masks, at most 500.
  ListEdit AddFile();
  // OK: stores the field; on kOk or kLinesLeftOver, selectedName is the
  // selected list's name (empty when there is no list) and the lists are
  // ready to be written.
  ListEdit Confirm(std::string& selectedName);

 private:
  ListEdit StoreField();
  void ShowSelected();

  SearchFileLists lists_;
  std::optional<std::size_t> selected_;
  std::string documentPath_;
  std::string field_;
  bool edited_ = false;
};

// The field's lines as masks: at most 500 non-empty lines of up to 260
// bytes; leftOver tells that lines were dropped. Edited fields are sorted
// (ASCII letters without regard to case) with empty and duplicate lines
// removed.
std::vector<std::string> MasksOfField(std::string_view text, bool edited, bool& leftOver);

}  // namespace quelt
