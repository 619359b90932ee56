// `CNorbView`: the window on a text document. It holds the edit window
// `CNorbEV` filling its client area (the binary view `CNorbBV` takes its
// place for documents opened in binary kind) and forwards commands to it.
#pragma once

#include <memory>

#include "cabinet/cabinet_service.h"
#include "framework/view.h"
#include "view/norb_bv.h"
#include "view/norb_ev.h"

namespace quelt::win {

class CNorbDoc;

class CNorbView : public View, public CabinetPositionSource {
 public:
  CNorbView();
  ~CNorbView() override;
  bool Create(HWND parent) override;
  void OnInitialUpdate() override;
  void OnUpdate(View* sender, int hint) override;
  void OnActivate(bool active) override;
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

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // The child that fills the view.
  HWND ChildHwnd() const;

  std::unique_ptr<CNorbEV> edit_;
  std::unique_ptr<CNorbBV> binary_;
};

// The first text view of a document, or null.
CNorbView* FirstTextView(const Document* doc);

}  // namespace quelt::win
