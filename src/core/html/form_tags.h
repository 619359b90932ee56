// The form and frame tags: one pure builder per dialog (and the no-frame
// command), from the form fields of HtmlTagSettings and from the frame
// settings. Form sizes are written bare, frame margins quoted.
#pragma once

#include <string_view>

#include "html/tag_pair.h"
#include "html/tag_settings.h"

namespace quelt {

TagPair BuildFormAreaTag(const FormTagSettings& s);      // 32942
TagPair BuildFormTextTag(const FormTagSettings& s);      // 32943
TagPair BuildFormRadioTag(const FormTagSettings& s);     // 32944
TagPair BuildFormCheckBoxTag(const FormTagSettings& s);  // 32945
TagPair BuildFormSubmitTag(const FormTagSettings& s);    // 32946
TagPair BuildFormResetTag(const FormTagSettings& s);     // 32947
// 32948: the pair of SELECT; each selected line gets kSelectItem.
TagPair BuildFormSelectTag(const FormTagSettings& s);
TagPair BuildFormTextAreaTag(const FormTagSettings& s);  // 32949

inline constexpr std::string_view kSelectItem = "<OPTION>";

TagPair BuildFrameAreaTag(const FrameTagSettings& s);  // 32954
TagPair BuildFrameTag(const FrameTagSettings& s);      // 32955
TagPair BuildNoFrameTag();                             // 32956
TagPair BuildFrameTargetTag(const FrameTagSettings& s);  // 32957

// The longest URL and window name of the frame dialog.
inline constexpr int kMaxFrameText = 256;
// The margin lists: "標準", then the numbers 1 to 100 (index i is i).
inline constexpr int kFrameMarginListCount = 101;
// The scrolling list.
inline constexpr int kFrameScrollingCount = 4;
const char* FrameScrollingLabel(int index);  // UTF-8: 標準, 自動, する, しない

}  // namespace quelt
