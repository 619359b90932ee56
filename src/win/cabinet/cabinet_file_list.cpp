#include "cabinet/cabinet_file_list.h"

#include <commctrl.h>

#include <algorithm>

#include "app/command_ids.h"
#include "app/settings.h"
#include "cabinet/cabinet_recorder.h"
#include "cabinet/cabinet_service.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "cabinet/cabinet_sheet.h"
#include "cabinet/file_list_items.h"
#include "framework/doc_template.h"
#include "framework/mdi_child.h"
#include "framework/win_text.h"
#include "framework/window_class.h"

namespace quelt::win {
namespace {

// "ﾌｧｲﾙﾘｽﾄ" in Shift-JIS.
constexpr char kFileListTitle[] = "\xCC\xA7\xB2\xD9\xD8\xBD\xC4";
// The third template: the cabinet file list.
constexpr std::size_t kFileListTemplate = 2;
constexpr int kIconSize = 15;

}  // namespace

// ---- CCabinetFileDoc ----

bool CCabinetFileDoc::OnCommand(UINT id) {
  // Nothing to save.
  return id == kCmdFileSave || id == kCmdFileSaveAs;
}

bool CCabinetFileDoc::OnUpdateCommand(UINT id, CommandState& state) {
  if (id != kCmdFileSave && id != kCmdFileSaveAs) return false;
  state.enabled = false;
  return true;
}

// ---- CCabinetFileView ----

CCabinetFileView::~CCabinetFileView() {
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  if (images_) ImageList_Destroy(images_);
}

bool CCabinetFileView::Create(HWND parent) {
  if (!RegisterWindowClass(kWindowClass, &CCabinetFileView::WndProc, IDC_ARROW)) return false;
  hwnd_ = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                          nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  list_ = CreateWindowExW(0, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, 0, 0, 0, 0,
                          hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!list_) return false;
  // One column, "ﾌｧｲﾙ名", as wide as "PathItemLength" letters A and 15.
  HDC dc = GetDC(list_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list_, WM_GETFONT, 0, 0)));
  SIZE a{};
  GetTextExtentPoint32W(dc, L"A", 1, &a);
  SelectObject(dc, old);
  ReleaseDC(list_, dc);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.cx = FileListColumnWidth(context_.settings.pathItemLength, std::max<int>(a.cx, 1));
  std::wstring title = Utf8ToWide("ﾌｧｲﾙ名");
  column.pszText = title.data();
  SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  // Every item shows the one small icon of the text documents.
  images_ = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 1, 0);
  if (images_) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(3), IMAGE_ICON, kIconSize, kIconSize, 0));
    if (icon) {
      ImageList_AddIcon(images_, icon);
      DestroyIcon(icon);
    }
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));
  }
  return true;
}

LRESULT CALLBACK CCabinetFileView::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<CCabinetFileView*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<CCabinetFileView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT CCabinetFileView::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (list_) MoveWindow(list_, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (list_) SetFocus(list_);
      return 0;
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (hdr->hwndFrom != list_) break;
      if (hdr->code == NM_DBLCLK) {
        Open(true);
        return 0;
      }
      if (hdr->code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN*>(lp)->wVKey == VK_RETURN) {
        Open(false);
        return 0;
      }
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void CCabinetFileView::Refresh() {
  if (!list_) return;
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  const std::vector<FileListItem> items =
      FileListItems(context_.cabinet.Working().files, context_.settings.fullPathFileList != 0);
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::wstring text = SjisToWide(items[i].text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = text.data();
    item.lParam = static_cast<LPARAM>(items[i].index);
    item.iImage = 0;
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

std::vector<std::string> CCabinetFileView::SelectedPaths(bool firstOnly) const {
  std::vector<std::string> paths;
  const std::vector<std::string>& files = context_.cabinet.Working().files;
  for (int i = -1; (i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = i;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const auto index = static_cast<std::size_t>(item.lParam);
    if (index < files.size()) paths.push_back(files[index]);
    if (firstOnly) break;
  }
  return paths;
}

void CCabinetFileView::Open(bool firstOnly) {
  // The paths are taken first: opening a file can change the list.
  for (const std::string& path : SelectedPaths(firstOnly)) context_.opener.OpenFileByName(path, true);
}

void CCabinetFileView::OnActivate(bool active) {
  if (!active) return;
  // The frame's bars follow on its next idle update.
  if (list_) SetFocus(list_);
}

bool CCabinetFileView::OnUpdateCommand(UINT id, CommandState& state) {
  // No second window on the list.
  if (id != kCmdWindowNew) return false;
  state.enabled = false;
  return true;
}

// ---- CabinetFileList ----

CCabinetFileView* CabinetFileList::ShownView() const {
  if (!doc_ || !documents_.IsOpen(doc_) || doc_->Views().empty()) return nullptr;
  return dynamic_cast<CCabinetFileView*>(doc_->Views().front());
}

bool CabinetFileList::OnCommand(UINT id) {
  if (id != kCmdCabinetFileList) return false;
  Show();
  return true;
}

bool CabinetFileList::OnUpdateCommand(UINT id, CommandState&) { return id == kCmdCabinetFileList; }

void CabinetFileList::Refresh() {
  if (CCabinetFileView* view = ShownView()) view->Refresh();
}

void CabinetFileList::Show() {
  CabinetRecorder().RecordOperation(kCmdCabinetFileList, {});
  if (CCabinetFileView* view = ShownView()) {
    if (MdiChild* child = MdiChild::FromHwnd(GetParent(view->Hwnd()))) child->Activate();
    return;
  }
  doc_ = nullptr;
  if (documents_.Templates().size() <= kFileListTemplate) return;
  doc_ = documents_.Templates()[kFileListTemplate]->OpenDocumentFile(nullptr);
  if (!doc_) return;
  doc_->SetTitle(kFileListTitle);
  // An empty list: the cabinet sheet opens at its file list to fill it.
  if (cabinet_.Working().files.empty() && ShowCabinetPages(kCabinetPagesAll, kCabinetPageFiles)) Refresh();
}

}  // namespace quelt::win
