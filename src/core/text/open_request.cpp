#include "text/open_request.h"

namespace quelt {

CharCodeId OpenRequest::TakeForcedCode() {
  const CharCodeId code = forcedCode;
  Reset();
  return IsDocumentCode(code) ? code : CharCodeId::kAuto;
}

OpenPlan PlanOpen(OpenKindId kind, CharCodeId code, std::size_t fileCount) {
  OpenPlan plan;
  plan.request.forcedCode = code;
  switch (kind) {
    case OpenKindId::kCabinet:
      plan.action = fileCount == 1 ? OpenAction::kCabinet : OpenAction::kSkip;
      plan.request.Reset();
      return plan;
    case OpenKindId::kBinary:
      plan.request.openKind = kOpenKindBinary;
      break;
    case OpenKindId::kHtmlPlain:
      plan.request.html = true;
      break;
    case OpenKindId::kHtmlVisual:
      plan.request.openKind = kOpenKindHtmlVisual;
      break;
    default:
      plan.recordForMacro = true;
      break;
  }
  return plan;
}

int OpenKindListCount(bool english) { return english ? 5 : 6; }

OpenKindId OpenKindOfListIndex(int index, bool english) {
  if (index < 0 || index >= OpenKindListCount(english)) return OpenKindId::kAuto;
  if (english && index == 4) return OpenKindId::kCabinet;
  return static_cast<OpenKindId>(index);
}

CharCodeId OpenCodeOfListIndex(int index, bool english) {
  if (english) return CharCodeId::kShiftJis;
  const auto code = static_cast<CharCodeId>(index);
  return IsDocumentCode(code) ? code : CharCodeId::kAuto;
}

}  // namespace quelt
