// `CNorbView`: the window on a text document. It holds the edit window
// `CNorbEV` (the binary view `CNorbBV` takes its place for documents opened
// in binary kind) with the column ruler above it and the line ruler to its
// left, and forwards commands to it.
#pragma once

#include <memory>

#include "cabinet/cabinet_service.h"
#include "framework/view.h"
#include "view/norb_bv.h"
#include "view/line_bar.h"
#include "view/edit_context.h"
#include "view/norb_ev.h"
#include "view/ruler_bar.h"

namespace quelt::win {

class CNorbDoc;
class DocumentList;

class CNorbView : public View, public CabinetPositionSource, private EvObserver {
 public:
  explicit CNorbView(const EditContext& context);
  ~CNorbView() override;
  bool Create(HWND parent) override;
  void OnInitialUpdate() override;
  void OnUpdate(View* sender, int hint) override;
  void OnActivate(bool active) override;
  bool ShowsCaretPosition() const override { return true; }
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;
  CNorbDoc* Doc() const;
  // The edit window; null for a document of binary kind, which the binary
  // view shows instead.
  CNorbEV* EditWindow() const { return edit_.get(); }
  CNorbBV* BinaryWindow() const { return binary_.get(); }

  // Moves the caret to a 0-based display line and column; false (nothing
  // moved) for a line past the end.
  bool JumpTo(int line, int column);
  // First visible line, caret line and caret column, for the cabinet.
  CabinetPositions CurrentCabinetPositions() const override;
  // The rulers' settings changed: shown or hidden, colours and type.
  void ApplyRulerSettings();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // The child that takes the keys.
  HWND ChildHwnd() const;
  // Places the rulers and the edit window in the client area.
  void LayOutChildren();
  void EvChanged(bool textChanged) override;

  const EditContext& context_;
  std::unique_ptr<CNorbEV> edit_;
  std::unique_ptr<CNorbBV> binary_;
  std::unique_ptr<CRulerBar> ruler_;
  std::unique_ptr<CLineBar> lineBar_;
};

// Every text view shows or hides its rulers after the settings changed.
void ApplyRulerSettingsToAllViews(const DocumentList& documents);

// The first text view of a document, or null.
CNorbView* FirstTextView(const Document* doc);

}  // namespace quelt::win
