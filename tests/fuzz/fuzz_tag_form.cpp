// The free tag form's record, which an operation file can hold as any
// bytes, and the tag erase over any text. Whatever decodes must encode to
// data that decodes to the same pair. The erase must remove exactly the
// tags a plain scan finds, and undoing it must give the text back.
#include <algorithm>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "html/tag_erase.h"
#include "html/tag_form_record.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/layout.h"

namespace quelt {
namespace {

class QuietHost : public Host {
 public:
  void Beep() override {}
  void ShowMessage(MessageId, const std::string&) override {}
  Answer Ask(MessageId, Question, const std::string&) override { return Answer::kCancel; }
};

void CheckRecord(std::string_view data) {
  const std::optional<TagPair> values = DecodeTagFormRecord(data);
  if (!values) return;
  const std::string encoded = EncodeTagFormRecord(*values);
  FUZZ_CHECK(encoded.size() == values->opening.size() + values->closing.size() + 2);
  const std::optional<TagPair> again = DecodeTagFormRecord(encoded);
  FUZZ_CHECK(again && *again == *values);
}

// The tags of text[from, to) removed the simple way; tags counts them.
std::string Erased(const std::string& text, std::size_t from, std::size_t to, std::size_t& tags) {
  tags = 0;
  std::string out = text.substr(0, from);
  std::size_t i = from;
  while (i < to) {
    if (text[i] == '<') {
      std::size_t j = i + 1;
      while (j < to && text[j] != '<' && text[j] != '>') ++j;
      if (j >= to || text[j] != '>') break;
      ++tags;
      i = j + 1;
      continue;
    }
    out += text[i++];
  }
  return out + text.substr(i);
}

void CheckErase(std::string_view data) {
  if (data.size() < 2) return;
  QuietHost host;
  TextStore store;
  if (!store.Create()) return;
  store.Load(data.substr(2), DocumentKind::kText);
  UndoHistory history(store, host);
  if (!history.Create()) return;
  LayoutParams params;
  params.wrapColumn = 20;
  Layout layout(store, params, &host);
  layout.FullLayout();
  const std::string before = store.Text();
  // The selection: the two first bytes pick its ends, kept on character starts.
  TextOffset start = std::min<TextOffset>(static_cast<std::uint8_t>(data[0]), store.Length());
  TextOffset end = store.Length() - std::min<TextOffset>(static_cast<std::uint8_t>(data[1]), store.Length());
  if (end < start) std::swap(start, end);
  auto charStart = [&](TextOffset p) {
    TextOffset q = 0;
    while (q < p) {
      const TextOffset next = q + layout.CharSize(q);
      if (next > p) break;
      q = next;
    }
    return q;
  };
  start = charStart(start);
  end = charStart(end);
  EditOptions options;
  EditSession session(history, options);
  TagWindow w{session, layout, {}, TagSelection::kStream, {start, end}, {}};
  w.apply = [&](const TextChange& c) { layout.RelayoutReplaced(c.from, c.removed, c.inserted); };
  EraseTags(w);
  std::size_t tags = 0;
  const std::string expected = Erased(before, start, end, tags);
  FUZZ_CHECK(store.Text() == expected);
  // The undo buffer keeps a bounded history: the whole text comes back
  // while every deletion fits it.
  if (tags > 400 || before.size() - expected.size() > 16384) return;
  std::size_t steps = 0;
  while (history.CanUndo() && history.Undo(false).Done()) ++steps;
  FUZZ_CHECK(steps == tags);
  FUZZ_CHECK(store.Text() == before);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  if (size == 0) return 0;
  const std::string_view rest = fuzz::AsText(data + 1, size - 1);
  if (data[0] % 2 == 0) {
    CheckRecord(rest);
  } else {
    CheckErase(rest);
  }
  return 0;
}
