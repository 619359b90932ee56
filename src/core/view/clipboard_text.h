// The text that moves between a document and the clipboard: cleaning of
// text that enters from outside, and the text of a copied selection.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/sjis.h"
#include "view/text_lines.h"

namespace quelt {

class TextStore;

// Text from the clipboard ends at its first zero byte.
std::string_view TextUpToZero(std::string_view clip);

// Makes outside text fit the document's internal form: a zero byte becomes a
// space; a lead byte is kept with the byte after it, which becomes a space
// when it is CR or zero; CR LF stays; a CR without LF is dropped; a lead byte
// or CR as the very last byte is dropped. The result's size is the number of
// bytes to insert.
std::string CleanIncomingText(std::string_view bytes, LeadByteTest lead = LeadByteTest());

// A stream selection as copied: the bytes of the range.
std::string SelectionText(const TextStore& store, TextRange range);
// A box selection as copied: for each of its display lines the text of the
// box's columns (given as byte ranges), each followed by CR LF.
std::string BoxText(const TextStore& store, std::span<const TextRange> lines);
// Append copy: what the clipboard held (up to its first zero byte) followed
// by the selected text.
std::string AppendedClipText(std::string_view clip, std::string_view selected);

}  // namespace quelt
