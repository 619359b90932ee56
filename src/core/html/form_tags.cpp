#include "html/form_tags.h"

#include <string>

namespace quelt {
namespace {

std::string Lined(const OpenTag& tag) {
  return std::string(kCrLf) + tag.Str() + std::string(kCrLf);
}

std::string ClosingLined(std::string_view name) {
  return std::string(kCrLf) + CloseTag(name) + std::string(kCrLf);
}

OpenTag Input(std::string_view type) {
  OpenTag tag("INPUT");
  tag.Text("TYPE", type);
  return tag;
}

void AddPositive(OpenTag& tag, std::string_view name, int value) {
  if (value > 0) tag.Number(name, value);
}

void AddMargin(OpenTag& tag, std::string_view name, int index) {
  if (index >= 1 && index < kFrameMarginListCount) tag.Text(name, std::to_string(index));
}

}  // namespace

TagPair BuildFormAreaTag(const FormTagSettings& s) {
  OpenTag tag("FORM");
  tag.Text("METHOD", "POST").Text("ACTION", s.action);
  return {Lined(tag), ClosingLined("FORM")};
}

TagPair BuildFormTextTag(const FormTagSettings& s) {
  OpenTag tag = Input("text");
  tag.Text("NAME", s.textName).Text("VALUE", s.textValue);
  AddPositive(tag, "SIZE", s.textSize);
  AddPositive(tag, "MAXLENGTH", s.textMaxLength);
  return {tag.Str(), {}};
}

TagPair BuildFormRadioTag(const FormTagSettings& s) {
  OpenTag tag = Input("radio");
  tag.Text("NAME", s.radioName).Text("VALUE", s.radioValue);
  if (s.radioChecked) tag.Flag("CHECKED");
  return {tag.Str(), {}};
}

TagPair BuildFormCheckBoxTag(const FormTagSettings& s) {
  OpenTag tag = Input("checkbox");
  tag.Text("NAME", s.checkName);
  if (s.checkChecked) tag.Flag("CHECKED");
  return {tag.Str(), {}};
}

TagPair BuildFormSubmitTag(const FormTagSettings& s) {
  return {Input("submit").Text("VALUE", s.submitValue).Str(), {}};
}

TagPair BuildFormResetTag(const FormTagSettings& s) {
  return {Input("reset").Text("VALUE", s.resetValue).Str(), {}};
}

TagPair BuildFormSelectTag(const FormTagSettings& s) {
  OpenTag tag("SELECT");
  tag.Text("NAME", s.selectName);
  return {Lined(tag), ClosingLined("SELECT")};
}

TagPair BuildFormTextAreaTag(const FormTagSettings& s) {
  OpenTag tag("TEXTAREA");
  tag.Text("NAME", s.textAreaName);
  AddPositive(tag, "COLS", s.textAreaCols);
  AddPositive(tag, "ROWS", s.textAreaRows);
  return {tag.Str(), "</TEXTAREA>"};
}

TagPair BuildFrameAreaTag(const FrameTagSettings& s) {
  OpenTag tag("FRAMESET");
  tag.Text(s.direction == 1 ? "ROWS" : "COLS", s.widths);
  return {Lined(tag), ClosingLined("FRAMESET")};
}

TagPair BuildFrameTag(const FrameTagSettings& s) {
  static constexpr const char* kScrolling[] = {nullptr, "auto", "yes", "no"};
  OpenTag tag("FRAME");
  tag.Text("SRC", s.url);
  if (!s.windowName.empty()) tag.Text("NAME", s.windowName);
  AddMargin(tag, "MARGINWIDTH", s.marginWidthIndex);
  AddMargin(tag, "MARGINHEIGHT", s.marginHeightIndex);
  if (s.scrollingIndex >= 1 && s.scrollingIndex < kFrameScrollingCount) {
    tag.Text("SCROLLING", kScrolling[s.scrollingIndex]);
  }
  if (s.noResize) tag.Flag("NORESIZE");
  return {tag.Str() + std::string(kCrLf), {}};
}

TagPair BuildNoFrameTag() { return {"<NOFRAME>\r\n", "\r\n</NOFRAME>\r\n"}; }

TagPair BuildFrameTargetTag(const FrameTagSettings& s) {
  return {OpenTag("BASE").Text("TARGET", s.target).Str(), {}};
}

const char* FrameScrollingLabel(int index) {
  static constexpr const char* kLabels[] = {"標準", "自動", "する", "しない"};
  return index >= 0 && index < kFrameScrollingCount ? kLabels[index] : kLabels[0];
}

}  // namespace quelt
