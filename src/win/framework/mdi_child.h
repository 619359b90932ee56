// An MDI child frame holding one view.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/command.h"

namespace quelt::win {

class DocTemplate;
class View;

class MdiChild {
 public:
  static constexpr const wchar_t* kClassName = L"QueltMdiChild";
  static bool RegisterClass(HINSTANCE instance, HICON icon);

  // Creates the frame and its view; null on failure.
  static MdiChild* Create(HWND mdiClient, std::unique_ptr<View> view, DocTemplate* docTemplate);
  static MdiChild* FromHwnd(HWND hwnd);
  static MdiChild* FromView(const View* view);

  HWND Hwnd() const { return hwnd_; }
  View* GetView() const { return view_.get(); }
  DocTemplate* Template() const { return template_; }
  void UpdateTitle();
  // A prefix the title keeps when it is rebuilt (the window mark's "* ").
  void SetTitlePrefix(const std::wstring& prefix) { titlePrefix_ = prefix; }
  void Activate();
  // Destroys the frame without asking anything; deletes this.
  void Destroy();

  // Command routing: the view, then its document.
  bool RouteCommand(UINT id);
  bool RouteUpdate(UINT id, CommandState& state);

 private:
  MdiChild(std::unique_ptr<View> view, DocTemplate* docTemplate);
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnClose();
  void OnNcDestroy();

  HWND hwnd_ = nullptr;
  std::wstring titlePrefix_;
  std::unique_ptr<View> view_;
  DocTemplate* template_;
};

}  // namespace quelt::win
