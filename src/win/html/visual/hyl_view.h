// The view `CHylView` of an HTML visual document: the visual edit window
// with the column ruler above it and the line ruler to its left, each shown
// by its setting; commands go to the edit window.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/view.h"
#include "html/visual/hyl_ev.h"

namespace quelt::win {

class CHylDoc;
struct VisualContext;
class CHylRulerBar;
class CHylLineBar;

class CHylView : public View, public HylObserver {
 public:
  static constexpr wchar_t kClassName[] = L"QueltHylView";
  explicit CHylView(const VisualContext& context);
  ~CHylView() override;
  bool Create(HWND parent) override;
  void OnInitialUpdate() override;
  void OnUpdate(View* sender, int hint) override;
  void OnActivate(bool active) override;
  bool ShowsCaretPosition() const override { return true; }
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;
  void HylChanged() override;

  CHylDoc* Doc() const;
  CHylEV* Edit() const { return edit_.get(); }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void LayOutChildren();

  const VisualContext& context_;
  std::unique_ptr<CHylEV> edit_;
  std::unique_ptr<CHylRulerBar> ruler_;
  std::unique_ptr<CHylLineBar> lineBar_;
};

}  // namespace quelt::win
