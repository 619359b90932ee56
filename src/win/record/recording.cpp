#include "record/recording.h"

#include "app/command_ids.h"
#include "base/messages.h"
#include "base/path.h"
#include "find/find_record.h"
#include "framework/win_text.h"
#include "keys/key_table.h"
#include "record/operation_dialogs.h"
#include "record/operation_file_io.h"
#include "record/recorder_texts.h"

namespace quelt::win {
namespace {

// The virtual key of a navigation-key record.
UINT NavigationKey(std::uint32_t kind) {
  static constexpr UINT kKeys[] = {VK_HOME,  VK_END,  VK_PRIOR, VK_NEXT,   VK_RIGHT,
                                   VK_LEFT,  VK_DOWN, VK_UP,    VK_INSERT, VK_ESCAPE};
  return kKeys[kind - kOpKeyHome];
}

}  // namespace

Recording::Recording(Host& host, FileSystem& files) : host_(host), files_(files), recorder_(host) {
  SetCabinetRecorder(this);
}

Recording::~Recording() { SetCabinetRecorder(nullptr); }

bool Recording::TakePlaybackData(UINT id, std::string& data) {
  if (!recorder_.IsPlaying() || playingCommand_ != id) return false;
  data.assign(recorder_.CurrentData());
  return true;
}

void Recording::RecordOperation(UINT id, std::string_view data) { recorder_.Record(kOpFrameCommand, id, data); }

bool Recording::Dispatch(const OperationRecord& r) {
  if (r.kind == kOpFrameCommand) {
    playingCommand_ = r.id;
    SendMessageW(frame_, WM_COMMAND, MAKEWPARAM(r.id, 0), 0);
    playingCommand_ = 0;
    return true;
  }
  PlaybackTarget* edit = activeTarget_ ? activeTarget_() : nullptr;
  // Without a text view only the frame's commands have an effect.
  if (!edit) return true;
  if (IsNavigationKeyKind(r.kind)) {
    edit->PlayKey(NavigationKey(r.kind), r.id);
    return true;
  }
  switch (r.kind) {
    case kOpViewCommand:
      edit->PlayViewCommand(r.id);
      return true;
    case kOpTypedText:
      edit->TypeRecordedText(r.data);
      return true;
    case kOpDelete:
      edit->PlayDelete(r.id);
      return true;
    case kOpSearch: {
      const std::optional<FindRequest> request = DecodeFindRecord(r.data);
      if (!request) {
        host_.Beep();
        return false;
      }
      edit->OnFindReplaceMessage(*request);
      return true;
    }
    case kOpFindBox: {
      const std::optional<std::string> text = DecodeFindBoxText(r.data);
      if (!text) {
        host_.Beep();
        return false;
      }
      edit->FindBoxSearch(*text, r.id != 0);
      return true;
    }
    default:
      return true;  // a kind this program does not know is passed over
  }
}

void Recording::Play(HWND frame, const std::string* path) {
  frame_ = frame;
  HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (path) {
    recorder_.PlayFile(files_, *path, *this);
  } else {
    recorder_.Play(*this);
  }
  // The status bar and the composition window were left alone meanwhile.
  if (PlaybackTarget* edit = activeTarget_ ? activeTarget_() : nullptr) edit->PlaybackEnded();
  SetCursor(old);
}

void Recording::PlayOperationFile(const std::string& name, HWND frame) {
  const std::optional<std::string> path = OperationPlayPath(exeFolder_, name);
  if (!path) {
    host_.Beep();
    return;
  }
  Play(frame, &*path);
}

bool Recording::OnCommand(UINT id, HWND frame) {
  switch (id) {
    case kCmdRecordToggle:
      if (recorder_.IsRecording()) {
        recorder_.StopRecording();
      } else {
        recorder_.StartRecording();
      }
      return true;
    case kCmdPlayback:
      if (!recorder_.IsPlaying()) Play(frame, nullptr);
      return true;
    case kCmdSaveOperation:
      SaveOperation(frame);
      return true;
    case kCmdLoadOperation:
      LoadOperation(frame);
      return true;
    default:
      return false;
  }
}

bool Recording::OnUpdateCommand(UINT id, CommandState& state) {
  switch (id) {
    case kCmdRecordToggle: {
      state.enabled = !recorder_.IsPlaying();
      // "操作の記録開始" or "操作の記録終了" with its group, by the state.
      std::string label = RecordToggleLabel(recorder_.IsRecording());
      if (!IsEnglishInterface()) label += "(&R)";
      state.text = Utf8ToWide(label);
      return true;
    }
    case kCmdPlayback:
    case kCmdSaveOperation:
      state.enabled = !recorder_.IsRecording() && !recorder_.IsPlaying() && recorder_.Count() > 0;
      return true;
    case kCmdLoadOperation:
      state.enabled = !recorder_.IsRecording() && !recorder_.IsPlaying();
      return true;
    default:
      return false;
  }
}

void Recording::SaveOperation(HWND frame) {
  // Shortcut keys of operation files that are gone go first.
  if (keys_) keys_->RemoveMissingOperations(exeFolder_);
  SaveOperationChoice choice;
  choice.comment = recorder_.Comment();
  std::string path;
  const auto accept = [&](const SaveOperationChoice& c) {
    const std::optional<std::string> target = OperationFilePath(exeFolder_, c.name);
    if (!target) {
      host_.ShowMessage(kMsgBadOperationFileName);
      return false;
    }
    if (OperationFileExists(files_, *target)) {
      if (host_.Ask(kMsgOperationFileExists, Question::kOkCancel) != Answer::kOk) return false;
      if (keys_) keys_->RemoveOperation(c.name);
    }
    path = *target;
    return true;
  };
  if (!AskSaveOperation(frame, choice, accept)) return;
  if (!recorder_.Save(files_, path, choice.comment)) return;
  if (keys_ && !choice.keyText.empty()) {
    const std::string name = FileNameOf(path);
    keys_->AddFromPage(BindingKind::kOperation, 0, name, choice.keyText, choice.ctrl, choice.shift);
  }
}

void Recording::LoadOperation(HWND frame) {
  std::vector<OperationListEntry> entries;
  for (const OperationFileEntry& e : ListOperationFiles(files_, exeFolder_)) {
    OperationListEntry entry{e.name, e.comment, {}};
    if (keys_) {
      for (std::size_t i = 0; i < keys_->size(); ++i) {
        const KeyBinding& b = keys_->Bindings()[i];
        if (b.kind == BindingKind::kOperation && SameOperationFile(b.operation, e.name)) entry.keys += keys_->KeyText(i) + "  ";
      }
    }
    entries.push_back(std::move(entry));
  }
  std::string chosen;
  const auto remove = [this](const std::string& name) {
    const std::optional<std::string> path = OperationFilePath(exeFolder_, name);
    return path && files_.RemoveFile(*path);
  };
  const LoadChoice choice = AskLoadOperation(frame, std::move(entries), chosen, remove);
  if (choice == LoadChoice::kCancel) return;
  const std::optional<std::string> path = OperationFilePath(exeFolder_, chosen);
  if (!path) return;
  if (choice == LoadChoice::kPlay) {
    Play(frame, &*path);
  } else {
    recorder_.Load(files_, *path);
  }
}

}  // namespace quelt::win
