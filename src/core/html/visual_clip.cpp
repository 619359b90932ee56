#include "html/visual_clip.h"

#include <algorithm>
#include <cstring>

#include "html/visual_format.h"

namespace quelt {
namespace {

constexpr std::string_view kMagic{"QVC\x01", 4};
constexpr std::size_t kAttrBytes = 22;
constexpr std::size_t kFontBytes = 60;

void Put8(std::string& out, std::uint32_t v) { out += static_cast<char>(v & 0xFF); }
void Put16(std::string& out, std::uint32_t v) {
  Put8(out, v);
  Put8(out, v >> 8);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v);
  Put16(out, v >> 16);
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool Has(std::size_t n) const { return bytes_.size() - pos_ >= n; }
  bool AtEnd() const { return pos_ == bytes_.size(); }
  std::uint32_t U8() { return static_cast<std::uint8_t>(bytes_[pos_++]); }
  std::uint32_t U16() {
    const std::uint32_t lo = U8();
    return lo | (U8() << 8);
  }
  std::uint32_t U32() {
    const std::uint32_t lo = U16();
    return lo | (U16() << 16);
  }
  std::string_view Bytes(std::size_t n) {
    const std::string_view v = bytes_.substr(pos_, n);
    pos_ += n;
    return v;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

void PutAttr(std::string& out, const VisualAttr& a) {
  Put8(out, a.font);
  Put8(out, a.link);
  Put8(out, a.position);
  Put32(out, a.colour);
  Put8(out, static_cast<std::uint8_t>(a.lineBreak));
  Put8(out, static_cast<std::uint8_t>(a.underline));
  Put32(out, a.underlineColour);
  Put8(out, a.shading ? 1 : 0);
  Put32(out, a.shadingColour);
  Put8(out, static_cast<std::uint8_t>(a.charSpacing));
  Put8(out, static_cast<std::uint8_t>(a.lineSpacing));
  Put8(out, static_cast<std::uint8_t>(a.raise));
  Put8(out, static_cast<std::uint8_t>(a.raiseOffset));
}

bool InSteps(std::uint32_t byte, int limit) {
  const int v = static_cast<std::int8_t>(static_cast<std::uint8_t>(byte));
  return v >= -limit && v <= limit;
}

bool GetAttr(Reader& r, VisualAttr& a) {
  a.font = static_cast<std::uint8_t>(r.U8());
  a.link = static_cast<std::uint8_t>(r.U8());
  a.position = static_cast<std::uint8_t>(r.U8());
  a.colour = r.U32();
  const std::uint32_t lineBreak = r.U8();
  const std::uint32_t underline = r.U8();
  a.underlineColour = r.U32();
  const std::uint32_t shading = r.U8();
  a.shadingColour = r.U32();
  const std::uint32_t charSpacing = r.U8(), lineSpacing = r.U8(), raise = r.U8(), raiseOffset = r.U8();
  if (lineBreak > 2 || underline > static_cast<std::uint32_t>(UnderlineKind::kStrikeOut) || shading > 1 ||
      raise > static_cast<std::uint32_t>(RaiseKind::kCentre) || !InSteps(charSpacing, kMaxSpacingSteps) ||
      !InSteps(lineSpacing, kMaxSpacingSteps) || !InSteps(raiseOffset, kMaxRaiseSteps)) {
    return false;
  }
  a.lineBreak = static_cast<LineBreakKind>(lineBreak);
  a.underline = static_cast<UnderlineKind>(underline);
  a.shading = shading != 0;
  a.charSpacing = static_cast<std::int8_t>(charSpacing);
  a.lineSpacing = static_cast<std::int8_t>(lineSpacing);
  a.raise = static_cast<RaiseKind>(raise);
  a.raiseOffset = static_cast<std::int8_t>(raiseOffset);
  return true;
}

void PutFont(std::string& out, const VisualFont& f) {
  for (std::int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight})
    Put32(out, static_cast<std::uint32_t>(v));
  for (std::uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision,
                         f.quality, f.pitchAndFamily})
    Put8(out, v);
  out.append(f.faceName.data(), f.faceName.size());
}

VisualFont GetFont(Reader& r) {
  VisualFont f;
  for (std::int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight})
    *v = static_cast<std::int32_t>(r.U32());
  for (std::uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision, &f.clipPrecision,
                          &f.quality, &f.pitchAndFamily})
    *v = static_cast<std::uint8_t>(r.U8());
  const std::string_view face = r.Bytes(f.faceName.size());
  std::memcpy(f.faceName.data(), face.data(), face.size());
  return f;
}

// The two bytes of every character and line break carry one set of
// attributes, and line-break kinds sit on line breaks only.
bool AttrsFitText(const VisualClip& clip) {
  const std::string_view text = clip.text;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = VisualCharBytes(text, i);
    const bool lineBreak = IsLineBreakAt(text, i);
    if (!lineBreak && clip.attrs[i].lineBreak != LineBreakKind::kNone) return false;
    if (n == 2 && !(clip.attrs[i] == clip.attrs[i + 1])) return false;
    i += n;
  }
  return true;
}

// Each of the clip's fonts (or links) as an index of the document's table;
// the unused entries of the table are freed once when it runs full.
template <typename Find, typename Free>
bool MapAll(std::size_t count, std::vector<int>& out, Find find, Free freeUnused) {
  for (int pass = 0; pass < 2; ++pass) {
    out.assign(count, -1);
    bool all = true;
    for (std::size_t i = 0; i < count && all; ++i) {
      out[i] = find(i);
      all = out[i] >= 0;
    }
    if (all) return true;
    if (pass == 0) freeUnused();
  }
  return false;
}

int AddLinkOnly(VisualDocument& doc, const std::string& href) {
  for (int i = 0; i < kVisualLinkCount; ++i)
    if (doc.links[i] == href) return i + 1;
  const int index = doc.AddLink(href);
  return index == 0 ? -1 : index;
}

}  // namespace

VisualClip MakeVisualClip(const VisualDocument& doc, std::size_t start, std::size_t end) {
  end = std::min(end, doc.text.size());
  start = std::min(start, end);
  VisualClip clip;
  clip.text = doc.text.substr(start, end - start);
  std::vector<int> fontOf(kVisualFontCount, -1), linkOf(kVisualLinkCount + 1, 0);
  for (std::size_t i = start; i < end; ++i) {
    VisualAttr a = doc.attrs[i];
    if (fontOf[a.font] < 0) {
      fontOf[a.font] = static_cast<int>(clip.fonts.size());
      clip.fonts.push_back(doc.fonts[a.font]);
    }
    a.font = static_cast<std::uint8_t>(fontOf[a.font]);
    if (a.link != 0 && a.link <= kVisualLinkCount && !doc.LinkText(a.link).empty()) {
      if (linkOf[a.link] == 0) {
        clip.links.push_back(doc.LinkText(a.link).substr(0, kMaxVisualClipLink));
        linkOf[a.link] = static_cast<int>(clip.links.size());
      }
      a.link = static_cast<std::uint8_t>(linkOf[a.link]);
    } else {
      a.link = 0;
    }
    clip.attrs.push_back(a);
  }
  return clip;
}

std::string EncodeVisualClip(const VisualClip& clip) {
  std::string out(kMagic);
  Put32(out, static_cast<std::uint32_t>(clip.text.size()));
  out += clip.text;
  for (const VisualAttr& a : clip.attrs) PutAttr(out, a);
  Put16(out, static_cast<std::uint32_t>(clip.fonts.size()));
  for (const VisualFont& f : clip.fonts) PutFont(out, f);
  Put16(out, static_cast<std::uint32_t>(clip.links.size()));
  for (const std::string& link : clip.links) {
    const std::string_view kept = std::string_view(link).substr(0, kMaxVisualClipLink);
    Put16(out, static_cast<std::uint32_t>(kept.size()));
    out += kept;
  }
  return out;
}

bool DecodeVisualClip(std::string_view bytes, VisualClip& clip) {
  Reader r(bytes);
  if (!r.Has(kMagic.size()) || r.Bytes(kMagic.size()) != kMagic || !r.Has(4)) return false;
  const std::uint32_t n = r.U32();
  if (n > kMaxVisualTextBytes || !r.Has(n)) return false;
  VisualClip c;
  c.text = std::string(r.Bytes(n));
  if (CleanVisualText(c.text) != c.text) return false;
  if (!r.Has(static_cast<std::size_t>(n) * kAttrBytes)) return false;
  c.attrs.resize(n);
  for (VisualAttr& a : c.attrs)
    if (!GetAttr(r, a)) return false;
  if (!r.Has(2)) return false;
  const std::uint32_t fonts = r.U16();
  if (fonts > kVisualFontCount || !r.Has(fonts * kFontBytes)) return false;
  for (std::uint32_t i = 0; i < fonts; ++i) {
    c.fonts.push_back(GetFont(r));
    if (c.fonts.back() == VisualFont{}) return false;  // the mark of a free table entry
  }
  if (!r.Has(2)) return false;
  const std::uint32_t links = r.U16();
  if (links > kVisualLinkCount) return false;
  for (std::uint32_t i = 0; i < links; ++i) {
    if (!r.Has(2)) return false;
    const std::uint32_t len = r.U16();
    if (len == 0 || len > kMaxVisualClipLink || !r.Has(len)) return false;
    c.links.emplace_back(r.Bytes(len));
  }
  if (!r.AtEnd()) return false;
  for (const VisualAttr& a : c.attrs)
    if (a.font >= c.fonts.size() || a.link > c.links.size()) return false;
  if (!AttrsFitText(c)) return false;
  clip = std::move(c);
  return true;
}

VisualEditResult PasteVisualClip(VisualEditor& editor, VisualSelection sel, const VisualClip& clip, int padBlanks) {
  VisualDocument& doc = editor.Doc();
  Host& host = editor.GetHost();
  const std::size_t start = std::min(sel.Start(), doc.text.size());
  const std::size_t end = std::min(sel.End(), doc.text.size());
  const std::size_t pad = start == end && padBlanks > 0 ? static_cast<std::size_t>(padBlanks) : 0;
  if (clip.text.empty() || clip.attrs.size() != clip.text.size()) return {false, start};
  if (!VisualDocument::CheckRoom(doc.text.size() - (end - start) + pad + clip.text.size(), host))
    return {false, start};
  const VisualAttr padAttr = editor.AttrsForInsert(start);
  editor.Begin(sel);
  // The selection goes first, so the fonts and links only it used are free
  // for the clip's.
  editor.Replace(start, end, {}, {});
  std::vector<int> fonts, links;
  const bool fontsFit = MapAll(
      clip.fonts.size(), fonts, [&](std::size_t i) { return doc.FindOrAddFontRecord(clip.fonts[i]); },
      [&] { doc.DropUnusedFonts(); });
  if (!fontsFit) {
    editor.Cancel();
    host.ShowMessage(kMsgVisualTooManyFonts);
    return {false, start};
  }
  const bool linksFit = MapAll(
      clip.links.size(), links, [&](std::size_t i) { return AddLinkOnly(doc, clip.links[i]); },
      [&] {
        std::vector<bool> used(kVisualLinkCount + 1, false);
        for (const VisualAttr& a : doc.attrs)
          if (a.link <= kVisualLinkCount) used[a.link] = true;
        for (int i = 1; i <= kVisualLinkCount; ++i)
          if (!used[i]) doc.links[i - 1].clear();
      });
  if (!linksFit) {
    editor.Cancel();
    host.DefaultBeep();
    return {false, start};
  }
  std::string text(pad, ' ');
  std::vector<VisualAttr> attrs(pad, padAttr);
  text += clip.text;
  for (VisualAttr a : clip.attrs) {
    a.font = static_cast<std::uint8_t>(a.font < fonts.size() ? fonts[a.font] : 0);
    a.link = static_cast<std::uint8_t>(a.link > 0 && a.link <= links.size() ? links[a.link - 1] : 0);
    attrs.push_back(a);
  }
  editor.Replace(start, start, text, attrs);
  editor.Commit();
  return {true, start + text.size()};
}

}  // namespace quelt
