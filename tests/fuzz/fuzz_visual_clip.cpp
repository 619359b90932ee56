// The visual view's private clipboard data, which another program can put
// there as any bytes. Whatever decodes must encode to the same bytes, and
// pasting it into a document must keep the document well-formed (one
// attribute per byte, indexes inside the tables) and undo to the document
// as it was.
#include <string>

#include "fuzz_check.h"
#include "html/visual_clip.h"

namespace quelt {
namespace {

class QuietHost : public Host {
 public:
  void Beep() override {}
  void ShowMessage(MessageId, const std::string&) override {}
  Answer Ask(MessageId, Question, const std::string&) override { return Answer::kCancel; }
};

void CheckDocument(const VisualDocument& doc) {
  FUZZ_CHECK(doc.attrs.size() == doc.text.size());
  FUZZ_CHECK(doc.text.size() <= kMaxVisualTextBytes);
  for (const VisualAttr& a : doc.attrs) {
    FUZZ_CHECK(a.font < kVisualFontCount && !(doc.fonts[a.font] == VisualFont{}));
    FUZZ_CHECK(a.link <= kVisualLinkCount);
    FUZZ_CHECK(a.link == 0 || !doc.LinkText(a.link).empty());
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  const std::string_view bytes = fuzz::AsText(data, size);
  VisualClip clip;
  if (!DecodeVisualClip(bytes, clip)) return 0;
  FUZZ_CHECK(EncodeVisualClip(clip) == bytes);

  VisualDocument doc;
  doc.text = "ab\r\ncd";
  doc.attrs.assign(doc.text.size(), VisualAttr{});
  doc.attrs[2].lineBreak = doc.attrs[3].lineBreak = LineBreakKind::kBr;
  doc.attrs[4].link = static_cast<std::uint8_t>(doc.AddLink("x.html"));
  const VisualDocument original = doc;
  QuietHost host;
  VisualEditor editor(doc, host);
  const VisualEditResult r = PasteVisualClip(editor, {1, 5}, clip, 0);
  CheckDocument(doc);
  if (r.done) {
    FUZZ_CHECK(doc.text.substr(1, clip.text.size()) == clip.text);
    FUZZ_CHECK(editor.Undo().has_value());
  }
  FUZZ_CHECK(doc == original);
  return 0;
}
