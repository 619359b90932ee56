// The logic of the filter page that needs no window: the filter lists of the
// three document types as the page edits them, the selected pair, and the
// check of the selected pair that runs before every other action.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cabinet/cabinet_settings.h"

namespace quelt {

// Which field of the selected pair refused a check.
enum class FilterCheck {
  kOk,
  kBadTitle,    // more than 40 characters or a '|'
  kBadPattern,  // empty, more than 40 characters or a '|'
  kEmptyList,   // nothing to act on: beep, focus on "new"
};

enum class FilterAction {
  kDone,
  kRefused,  // the selected pair failed its check; nothing changed
  kFull,     // an 11th pair was asked for: beep
  kNothing,  // no pair selected or the move is not possible
};

class FilterPageModel {
 public:
  FilterPageModel(const std::array<FilterList, kDocumentTypes>& lists, int type, bool english);

  int Type() const { return type_; }
  const FilterList& List() const { return lists_[type_]; }
  const std::array<FilterList, kDocumentTypes>& Lists() const { return lists_; }
  int Selected() const { return selected_; }  // -1 when nothing is selected

  // The fields of the selected pair as typed; taken into the list by the
  // actions below (and by SetTitle when the title field is left).
  void SetTitle(std::string_view title);
  void SetPattern(std::string_view pattern);

  // Checks the selected pair; every action below runs it first.
  FilterCheck CheckSelected() const;
  FilterAction ChooseType(int type);
  FilterAction Select(int index);
  FilterAction MoveUp();
  FilterAction MoveDown();
  FilterAction New();  // appends "New(*.*)" "*.*" and selects it
  FilterAction Delete();
  FilterAction RestoreDefaults();
  // The last check's outcome, for the page to select the failing field.
  FilterCheck LastCheck() const { return lastCheck_; }

 private:
  bool Guard();

  std::array<FilterList, kDocumentTypes> lists_;
  int type_ = 0;
  int selected_ = -1;
  bool english_ = false;
  FilterCheck lastCheck_ = FilterCheck::kOk;
};

}  // namespace quelt
