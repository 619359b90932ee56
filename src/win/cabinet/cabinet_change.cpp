// Changing to another cabinet (32776) and creating a new one (32777).
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "app/settings.h"
#include "base/host.h"
#include "framework/document_list.h"
#include "framework/owner_window.h"
#include "base/path.h"
#include "cabinet/cabinet_bytes.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_recorder.h"
#include "cabinet/cabinet_service.h"
#include "framework/mdi_child.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

constexpr int kMaxNewCabinetNameChars = 128;  // the name field of the new-cabinet dialog
constexpr std::size_t kPathBufferChars = 1024;
constexpr int kNewCabinetChoices = 4;         // three document types and "copy the current one"

// The choices of the type combo, in value order.
const char* TypeChoice(int i) { return i < kDocumentTypes ? DocumentTypeName(i) : "現在のものをコピーして使用"; }

// A file dialog on the cabinet files, starting at the current cabinet.
bool AskCabinetPath(HWND owner, bool save, const std::string& start, std::string& path) {
  std::wstring file(kPathBufferChars, L'\0');
  const std::wstring name = SjisToWide(NameWithoutExtension(start));
  const std::wstring folder = SjisToWide(FolderOf(start));
  wcsncpy(file.data(), name.c_str(), kPathBufferChars - 1);
  const std::wstring filter = DialogFilter(kCabinetFileFilter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrDefExt = L"cab";
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (save ? 0 : OFN_FILEMUSTEXIST);
  // The dialog may move the process's current folder; it is put back.
  wchar_t current[MAX_PATH + 1] = L"";
  const DWORD got = GetCurrentDirectoryW(MAX_PATH + 1, current);
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (got > 0 && got <= MAX_PATH) SetCurrentDirectoryW(current);
  if (!ok) return false;
  path = WideToSjis(file.c_str());
  return true;
}

std::string FullPath(const std::string& path) {
  const std::wstring w = SjisToWide(path);
  wchar_t buffer[kPathBufferChars];
  const DWORD n = GetFullPathNameW(w.c_str(), kPathBufferChars, buffer, nullptr);
  return (n > 0 && n < kPathBufferChars) ? WideToSjis(buffer) : std::string();
}

struct NewCabinetRequest {
  std::string name;
  int type = -1;
};

INT_PTR CALLBACK NewCabinetProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* request = reinterpret_cast<NewCabinetRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      request = reinterpret_cast<NewCabinetRequest*>(lp);
      SetWindowLongPtrW(dialog, DWLP_USER, lp);
      SendDlgItemMessageW(dialog, IDC_NEWCAB_NAME, EM_LIMITTEXT, kMaxNewCabinetNameChars, 0);
      SetItemSjis(dialog, IDC_NEWCAB_NAME, request->name);
      HWND combo = GetDlgItem(dialog, IDC_NEWCAB_TYPE);
      for (int i = 0; i < kNewCabinetChoices; ++i) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(TypeChoice(i)).c_str()));
      }
      SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(request->type), 0);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDC_NEWCAB_BROWSE: {
          std::string path;
          const std::string start = GetItemSjis(dialog, IDC_NEWCAB_NAME);
          if (AskCabinetPath(dialog, true, start.empty() ? CabinetService::Get().Path() : start, path)) {
            SetItemSjis(dialog, IDC_NEWCAB_NAME, path);
          }
          return TRUE;
        }
        case IDOK: {
          const int type = static_cast<int>(SendDlgItemMessageW(dialog, IDC_NEWCAB_TYPE, CB_GETCURSEL, 0, 0));
          if (type < 0 || type >= kNewCabinetChoices) {
            CabinetBeep();
            return TRUE;
          }
          const std::string name = GetItemSjis(dialog, IDC_NEWCAB_NAME);
          std::string path;
          if (!CabinetPathForName(name, path)) {
            CabinetService::Get().GetHost().ShowMessage(kMsgBadPathName);
            SelectField(dialog, IDC_NEWCAB_NAME);
            return TRUE;
          }
          request->name = name;
          request->type = type;
          EndDialog(dialog, IDOK);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

// The recorded data of a new cabinet: the type as a 32-bit value, then the
// name with its zero byte.
std::string EncodeNewCabinet(const NewCabinetRequest& r) {
  std::string out;
  cabinet_bytes::Writer w(out);
  w.U32(static_cast<std::uint32_t>(r.type));
  w.Text(r.name);
  return out;
}

bool DecodeNewCabinet(std::string_view data, NewCabinetRequest& r) {
  cabinet_bytes::Reader reader(data);
  std::uint32_t type = 0;
  if (!reader.U32(type) || !reader.Text(r.name) || type >= kNewCabinetChoices) return false;
  r.type = static_cast<int>(type);
  return true;
}

}  // namespace

void CabinetService::MaximiseActiveChild() const {
  if (MdiChild* child = context_.documents.ActiveChild()) {
    SendMessageW(context_.documents.MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Hwnd()), 0);
  }
}

void CabinetService::OnChangeCabinet() {
  std::string path;
  std::string data;
  if (CabinetRecorder().TakePlaybackData(ID_CABINET_CHANGE, data)) {
    path.assign(data.c_str());  // the path up to its zero byte
  } else if (!AskCabinetPath(context_.owner.MainHwnd(), false, cabinet_->Path(), path)) {
    return;
  }
  if (path.empty()) return;
  std::string recorded = path;
  recorded.push_back('\0');
  CabinetRecorder().RecordOperation(ID_CABINET_CHANGE, recorded);
  SyncCabinetSave();
  switch (cabinet_->ChangeCabinet(path)) {
    case ChangeCabinetResult::kChanged:
      context_.settings.cabinetName = cabinet_->Path();
      UpdateFrameTitle(true);
      RefreshBackgroundBrush();
      RedrawTextViews();
      break;
    case ChangeCabinetResult::kReadFailed:
      context_.settings.cabinetName = cabinet_->Path();
      UpdateFrameTitle(false);
      break;
    default:
      break;  // beeped or explained; the current cabinet is untouched
  }
  context_.refreshFileList();
}

void CabinetService::OnNewCabinet() {
  NewCabinetRequest request;
  std::string data;
  const bool playback = CabinetRecorder().TakePlaybackData(ID_CABINET_NEW, data);
  if (playback && !DecodeNewCabinet(data, request)) return;
  SyncCabinetSave();
  for (;;) {
    if (!playback &&
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CABINET_NEW), context_.owner.MainHwnd(),
                        NewCabinetProc, reinterpret_cast<LPARAM>(&request)) != IDOK) {
      return;
    }
    CabinetRecorder().RecordOperation(ID_CABINET_NEW, EncodeNewCabinet(request));
    // The name as typed may be relative: the cabinet keeps its full path.
    std::string named;
    if (!CabinetPathForName(request.name, named)) {
      context_.host.ShowMessage(kMsgBadPathName);
      if (playback) return;
      continue;
    }
    const std::string full = FullPath(named);
    if (full.empty()) {
      context_.host.ShowMessage(kMsgBadPathName);
      if (playback) return;
      continue;
    }
    const NewCabinetResult result = cabinet_->NewCabinet(full, request.type);
    if (result == NewCabinetResult::kCreated) {
      if (request.type != kCopyCurrentCabinet) MaximiseActiveChild();
      context_.settings.cabinetName = cabinet_->Path();
      UpdateFrameTitle(true);
      RefreshBackgroundBrush();
      RedrawTextViews();
      context_.refreshFileList();
      return;
    }
    UpdateFrameTitle(true);
    if (playback) return;
    // On failure the previous cabinet is current again and the dialog returns.
  }
}

}  // namespace quelt::win
