#include "view/text_windows.h"

#include "framework/document_list.h"
#include "framework/mdi_child.h"
#include "view/norb_view.h"

namespace quelt::win {

TextWindow* ViewTextWindows::ActiveTextWindow() { return ActiveEditWindow(); }

CNorbEV* ViewTextWindows::ActiveEditWindow() {
  MdiChild* child = documents_.ActiveChild();
  auto* view = child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
  return view ? view->EditWindow() : nullptr;
}

TextWindow* ViewTextWindows::FirstTextWindow(const Document* doc) {
  CNorbView* view = FirstTextView(doc);
  return view ? view->EditWindow() : nullptr;
}

void ViewTextWindows::Activate(TextWindow& window) {
  // The edit window lies in its view, the view in its MDI child.
  HWND view = GetParent(window.Hwnd());
  SendMessageW(documents_.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(GetParent(view)), 0);
}

}  // namespace quelt::win
