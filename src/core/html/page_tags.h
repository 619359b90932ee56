// The tag pairs of the page, character, link, anchor, image and heading
// dialogs and of the block tags without a dialog, each a pure function of
// its settings, and the small rules of those dialogs.
#pragma once

#include <optional>
#include <string>

#include "app/command_ids.h"
#include "html/tag_pair.h"
#include "html/tag_settings.h"

namespace quelt {

// Page (32926): the head, title and BODY with the image and the applied
// colours; the closing text ends BODY and HTML.
TagPair BuildPageTag(const PageTagSettings& s);
// Character (32911): SUP, SUB, B, I, then FONT with SIZE (when not size 3)
// and COLOR (when a colour is set); the closing tags in reverse.
TagPair BuildCharTag(const CharTagSettings& s);
// Link (32912): A with HREF.
TagPair BuildLinkTag(const HtmlTagSettings& s);
// Anchor (32934): A with NAME.
TagPair BuildAnchorTag(const HtmlTagSettings& s);
// Image (32927): IMG with SRC, ALT, ALIGN, WIDTH, HEIGHT, HSPACE, VSPACE and
// BORDER; no closing text.
TagPair BuildImageTag(const HtmlTagSettings& s);
// Heading (32950): H1 to H6.
TagPair BuildHeadingTag(const HtmlTagSettings& s);

// The pair of a tag command without a dialog (BLINK, CENTER, P, PRE, NOBR,
// BR CLEAR, BR, HR and the three lists); nullopt for any other command.
std::optional<TagPair> FixedTagPair(CommandId id);

// The longest stream selection whose text the link dialog shows (only
// shown, never written).
inline constexpr std::uint32_t kMaxShownLinkText = 255;
bool ShowsLinkText(bool streamSelection, std::uint32_t selectionBytes);

// What a browse button puts in its field: the chosen file's name, or its
// full path when Ctrl was down.
std::string BrowsedName(std::string_view path, bool ctrlDown);

// The stored value of a three-state check box (0 off, 1 on, 2 undetermined):
// undetermined counts as off.
inline bool StoredCheck(int state) { return state == 1; }
// The stored colour of the character dialog for one the user chose.
inline ColourRef StoredCharColour(ColourRef chosen) {
  chosen &= 0xFFFFFF;
  return chosen == 0 ? kStoredBlack : chosen;
}
// The colour to show or hand to the colour chooser.
inline ColourRef ShownColour(ColourRef stored) { return stored & 0xFFFFFF; }

}  // namespace quelt
