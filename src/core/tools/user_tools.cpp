#include "tools/user_tools.h"

#include <algorithm>

#include "base/le_words.h"
#include "state/section_text.h"

namespace quelt {
namespace {

void AppendFlag(std::string& out, bool flag) { AppendLe32(out, flag ? 1 : 0); }

void EncodeRun(const ProgramRun& r, std::string& out) {
  AppendText(out, r.command, kMaxToolPath);
  AppendText(out, r.parameters, kMaxToolParameters);
  AppendText(out, r.runFolder, kMaxToolPath);
  AppendFlag(out, r.internalCommand);
  AppendFlag(out, r.captureOutput);
  AppendFlag(out, r.minimised);
}

bool DecodeRun(std::string_view& in, ProgramRun& r) {
  return TakeText(in, kMaxToolPath, r.command) && TakeText(in, kMaxToolParameters, r.parameters) &&
         TakeText(in, kMaxToolPath, r.runFolder) && TakeFlag(in, r.internalCommand) &&
         TakeFlag(in, r.captureOutput) && TakeFlag(in, r.minimised);
}

void EncodeTool(const UserTool& t, std::string& out) {
  const bool known = t.kind >= kToolProgram && t.kind <= kToolSeparator;
  AppendLe32(out, static_cast<std::uint32_t>(known ? t.kind : kToolSeparator));
  AppendText(out, t.title, kMaxToolTitle);
  AppendText(out, t.command, kMaxToolPath);
  AppendText(out, t.parameters, kMaxToolParameters);
  AppendText(out, t.runFolder, kMaxToolPath);
  AppendFlag(out, t.internalCommand);
  AppendFlag(out, t.captureOutput);
  AppendFlag(out, t.minimised);
  AppendFlag(out, t.askParameters);
}

bool DecodeTool(std::string_view& in, UserTool& t) {
  std::uint32_t kind = 0;
  if (!TakeLe32(in, kind) || kind > static_cast<std::uint32_t>(kToolSeparator)) return false;
  t.kind = static_cast<std::int32_t>(kind);
  return TakeText(in, kMaxToolTitle, t.title) && TakeText(in, kMaxToolPath, t.command) &&
         TakeText(in, kMaxToolParameters, t.parameters) && TakeText(in, kMaxToolPath, t.runFolder) &&
         TakeFlag(in, t.internalCommand) && TakeFlag(in, t.captureOutput) && TakeFlag(in, t.minimised) &&
         TakeFlag(in, t.askParameters);
}

// Takes a count of at most `capacity`.
bool TakeCount(std::string_view& in, std::size_t capacity, std::size_t& count) {
  std::uint32_t v = 0;
  if (!TakeLe32(in, v) || v > capacity) return false;
  count = v;
  return true;
}

}  // namespace

void EncodeToolsSection(const ToolsSection& section, std::string& out) {
  const std::size_t runs = std::min(section.runHistory.size(), kMaxProgramRuns);
  AppendLe32(out, static_cast<std::uint32_t>(runs));
  for (std::size_t i = 0; i < runs; ++i) EncodeRun(section.runHistory[i], out);
  const std::size_t tools = std::min(section.tools.size(), kMaxUserTools);
  AppendLe32(out, static_cast<std::uint32_t>(tools));
  for (std::size_t i = 0; i < tools; ++i) EncodeTool(section.tools[i], out);
}

bool DecodeToolsSection(std::string_view& in, ToolsSection& section) {
  section = {};
  std::string_view rest = in;
  ToolsSection s;
  std::size_t count = 0;
  if (!TakeCount(rest, kMaxProgramRuns, count)) return false;
  s.runHistory.resize(count);
  for (ProgramRun& r : s.runHistory) {
    if (!DecodeRun(rest, r)) return false;
  }
  if (!TakeCount(rest, kMaxUserTools, count)) return false;
  s.tools.resize(count);
  for (UserTool& t : s.tools) {
    if (!DecodeTool(rest, t)) return false;
  }
  section = std::move(s);
  in = rest;
  return true;
}

}  // namespace quelt
