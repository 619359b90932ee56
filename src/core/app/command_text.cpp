// Menu texts: building the stored form, showing it, and taking it apart.
#include <cctype>

#include "app/command_table.h"

namespace quelt {
namespace {

// The JIS kana keyboard: the kana printed on the key of each letter and digit.
constexpr std::string_view kKanaOfLetter[26] = {
    "ﾁ", "ｺ", "ｿ", "ｼ", "ｲ", "ﾊ", "ｷ", "ｸ", "ﾆ", "ﾏ", "ﾉ", "ﾘ", "ﾓ",  // A-M
    "ﾐ", "ﾗ", "ｾ", "ﾀ", "ｽ", "ﾄ", "ｶ", "ﾅ", "ﾋ", "ﾃ", "ｻ", "ﾝ", "ﾂ",  // N-Z
};
constexpr std::string_view kKanaOfDigit[10] = {"ﾜ", "ﾇ", "ﾌ", "ｱ", "ｳ", "ｴ", "ｵ", "ﾔ", "ﾕ", "ﾖ"};

constexpr std::string_view kDots = "...";
constexpr std::size_t kKanaBytes = 3;  // a half-width katakana in UTF-8

bool IsMnemonicLetter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// One half-width katakana or kana symbol (U+FF61 to U+FF9F) in UTF-8.
bool IsHalfWidthKana(std::string_view s) {
  if (s.size() != kKanaBytes || static_cast<unsigned char>(s[0]) != 0xEF) return false;
  const auto b1 = static_cast<unsigned char>(s[1]);
  const auto b2 = static_cast<unsigned char>(s[2]);
  if (b1 == 0xBD) return b2 >= 0xA1 && b2 <= 0xBF;
  if (b1 == 0xBE) return b2 >= 0x80 && b2 <= 0x9F;
  return false;
}

// Parses the inside of a parenthesised group; false when it is no mnemonic.
bool ParseGroup(std::string_view inner, DecodedMenuText& out) {
  if (inner.size() == 2 && inner[0] == '&' && IsMnemonicLetter(inner[1])) {
    out.letter = inner[1];
    out.form = MnemonicForm::kAmpersand;
    return true;
  }
  if (inner.size() == 1 + kKanaBytes && inner[0] == '&' && IsHalfWidthKana(inner.substr(1))) {
    out.kana = std::string(inner.substr(1));  // a shown kana group, "(&ｶ)"
    out.form = MnemonicForm::kAmpersand;
    return true;
  }
  if (inner.size() < 2 || inner[0] != kMnemonicLatinMark || !IsMnemonicLetter(inner[1])) return false;
  if (inner.size() == 2) {
    out.letter = inner[1];
    out.form = MnemonicForm::kControl;
    return true;
  }
  if (inner.size() == 3 + kKanaBytes && inner[2] == kMnemonicKanaMark && IsHalfWidthKana(inner.substr(3))) {
    out.letter = inner[1];
    out.kana = std::string(inner.substr(3));
    out.form = MnemonicForm::kControl;
    return true;
  }
  return false;
}

// An "&" inside the label: "&&" stands for one ampersand, the first other
// "&" marks the letter after it.
void TakeInlineMnemonic(std::string_view body, DecodedMenuText& out) {
  out.label.clear();
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '&' && i + 1 < body.size()) {
      ++i;
      if (body[i] != '&' && out.letter == 0) {
        out.letter = body[i];
        out.form = MnemonicForm::kAmpersand;
      }
    }
    out.label += body[i];
  }
}

}  // namespace

std::string_view KanaForLatin(char letter) {
  if (letter >= 'A' && letter <= 'Z') return kKanaOfLetter[letter - 'A'];
  if (letter >= 'a' && letter <= 'z') return kKanaOfLetter[letter - 'a'];
  if (letter >= '0' && letter <= '9') return kKanaOfDigit[letter - '0'];
  return {};
}

std::string_view CommandKana(const CommandInfo& info) {
  return info.kana.empty() ? KanaForLatin(info.letter) : info.kana;
}

std::string ComposeMenuText(std::string_view label, char letter, std::string_view kana, bool dots,
                            MnemonicForm form) {
  std::string text(label);
  if (letter != 0) {
    text += '(';
    if (form == MnemonicForm::kAmpersand) {
      text += '&';
      text += letter;
    } else {
      text += kMnemonicLatinMark;
      text += letter;
      if (kana.empty()) kana = KanaForLatin(letter);
      if (!kana.empty()) {
        text += kMnemonicKanaMark;
        text += kana;
      }
    }
    text += ')';
  }
  if (dots) text += kDots;
  return text;
}

std::string StoredMenuText(const CommandInfo& info, std::string_view labelOverride) {
  return ComposeMenuText(labelOverride.empty() ? info.label : labelOverride, info.letter,
                         CommandKana(info), info.dots, info.form);
}

DecodedMenuText DecodeMenuText(std::string_view text) {
  DecodedMenuText out;
  std::string_view body = text;
  if (const std::size_t tab = body.find('\t'); tab != std::string_view::npos) {
    out.keyText = std::string(body.substr(tab + 1));
    body = body.substr(0, tab);
  }
  if (body.size() >= kDots.size() && body.substr(body.size() - kDots.size()) == kDots) {
    out.dots = true;
    body.remove_suffix(kDots.size());
  }
  // UTF-8 trail bytes are never '(' or ')', so a byte search is safe.
  if (!body.empty() && body.back() == ')') {
    const std::size_t open = body.rfind('(');
    if (open != std::string_view::npos &&
        ParseGroup(body.substr(open + 1, body.size() - open - 2), out)) {
      out.grouped = true;
      out.label = std::string(body.substr(0, open));
      return out;
    }
  }
  TakeInlineMnemonic(body, out);
  return out;
}

std::string DisplayMenuText(std::string_view stored, MnemonicShow show) {
  const DecodedMenuText d = DecodeMenuText(stored);
  if (!d.grouped || d.form == MnemonicForm::kAmpersand) return std::string(stored);
  std::string text = d.label;
  text += "(&";
  if (show == MnemonicShow::kKana && !d.kana.empty()) {
    text += d.kana;
  } else {
    text += d.letter;
  }
  text += ')';
  if (d.dots) text += kDots;
  if (const std::size_t tab = stored.find('\t'); tab != std::string_view::npos) {
    text += stored.substr(tab);
  }
  return text;
}

std::string MenuTextWithoutMnemonic(std::string_view text) {
  const DecodedMenuText d = DecodeMenuText(text);
  return d.dots ? d.label + std::string(kDots) : d.label;
}

}  // namespace quelt
