#include "cipher/cipher.h"

#include "base/file_system.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/path.h"
#include "base/sjis.h"
#include "text/char_code.h"
#include "text/text_store.h"

namespace quelt {
namespace {

constexpr unsigned kFactors[3] = {2, 3, 5};

}  // namespace

bool InCipherFolder(const CipherConfig& config, std::string_view path) {
  if (!config.doCipher || config.folder.empty()) return false;
  // Both sides are read from their first byte, so the prefix ends on a
  // character boundary of the path as well.
  const std::string folder = FoldCase(WithTrailingSeparator(config.folder));
  const std::string in = FoldCase(FolderOf(path));
  return in.compare(0, folder.size(), folder) == 0;
}

bool Encipher(std::string_view key, std::string_view plain, std::string& out) {
  out.clear();
  if (key.empty() || plain.empty()) return false;
  out.resize(plain.size() * 2);
  const std::size_t m = key.size();
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const unsigned k = static_cast<std::uint8_t>(key[i % m]);
    const unsigned v = (static_cast<std::uint8_t>(plain[i]) + k) * kFactors[i % 3];
    out[2 * i] = static_cast<char>(v & 0xFF);
    out[2 * i + 1] = static_cast<char>(((k & 0xF0) + (v >> 8) + 48) & 0xFF);
  }
  return true;
}

bool Decipher(std::string_view key, std::string_view cipher, std::string& out) {
  out.clear();
  if (key.empty() || cipher.empty() || cipher.size() % 2 != 0) return false;
  const std::size_t n = cipher.size() / 2;
  std::string plain(n, '\0');
  const std::size_t m = key.size();
  for (std::size_t j = 0; j < n; ++j) {
    const int k = static_cast<std::uint8_t>(key[j % m]);
    const auto high = static_cast<std::uint8_t>(cipher[2 * j + 1]);
    unsigned v = (high & 0x0Fu) << 8 | static_cast<std::uint8_t>(cipher[2 * j]);
    // The second byte also carries the key byte's upper four bits: a pair
    // the key cannot have written is refused even where the arithmetic
    // tests below would let a wrong key through.
    if (high != (((k & 0xF0) + (v >> 8) + 48) & 0xFF)) return false;
    const unsigned f = kFactors[j % 3];
    if (v % f != 0) return false;
    v /= f;
    const int byte = static_cast<int>(v) - k;
    if (byte < 0 || byte > 255) return false;
    plain[j] = static_cast<char>(byte);
  }
  out = std::move(plain);
  return true;
}

CipherSaveResult CipherSave(FileSystem& fs, Host& host, const CipherConfig& config, const TextStore& store,
                            const std::string& path, bool quiet) {
  if (!InCipherFolder(config, path)) return CipherSaveResult::kNotCipher;
  if (store.Length() == 0) return CipherSaveResult::kRefused;
  if (store.Length() >= kMaxCipherSaveBytes) {
    if (!quiet) host.ShowMessage(kMsgCipherTooLarge);
    return CipherSaveResult::kRefused;
  }
  if (store.Kind() == DocumentKind::kText &&
      (store.CharCode() != static_cast<int>(CharCodeId::kShiftJis) ||
       store.LineEnd() != static_cast<int>(LineEndId::kCrLf))) {
    if (!quiet) host.ShowMessage(kMsgCipherNeedsSjisCrLf);
    return CipherSaveResult::kRefused;
  }
  if (quiet) return CipherSaveResult::kWritten;
  std::string bytes;
  if (!Encipher(config.key, store.Text(), bytes)) {
    host.Beep();
    return CipherSaveResult::kRefused;
  }
  return fs.WriteFile(path, bytes) ? CipherSaveResult::kWritten : CipherSaveResult::kRefused;
}

bool LooksEnciphered(std::string_view bytes) {
  if (bytes.empty() || bytes.size() % 2 != 0) return false;
  for (std::size_t i = 1; i < bytes.size(); i += 2) {
    // (k AND 0xF0) + 48 + (v >> 8) for a key byte k of '0'-'z' and v of at
    // most (255 + 'z') * 5: an upper half of 6-10, a lower one of 0-7.
    const auto b = static_cast<std::uint8_t>(bytes[i]);
    const unsigned high = b >> 4;
    if (high < 6 || high > 10 || (b & 0x0F) > 7) return false;
  }
  return true;
}

bool ReadsAsSavedText(std::string_view text) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = p[i];
    if (IsSjisLeadByte(c)) {
      if (i + 1 >= n || !IsSjisTrailByte(p[i + 1])) return false;
      ++i;
    } else if (c == kCr) {
      if (i + 1 >= n || p[i + 1] != kLf) return false;
      ++i;
    } else if (c == kLf) {
      return false;  // an LF without its CR
    } else if ((c < 0x20 && c != '\t' && c != kEsc && c != '\f') || c == 0x7F || c == 0x80 || c == 0xA0 ||
               c >= 0xFD) {
      return false;
    }
  }
  return true;
}

MessageId CipherOpenProtectionMessage(CipherOpen open) {
  switch (open) {
    case CipherOpen::kDoubtful:
      return kMsgCipherKeyDoubtful;
    case CipherOpen::kWrongKey:
      return kMsgCipherKeyWrong;
    case CipherOpen::kPasswordRefused:
      return kMsgCipherPasswordRefused;
    default:
      return kMsgNone;
  }
}

CipherOpen DecipherForOpening(FileSystem& fs, Host& host, const CipherConfig& config, const std::string& path,
                              const std::string& tempPath, const std::function<bool()>& askPassword, bool text) {
  if (!InCipherFolder(config, path)) return CipherOpen::kNotCipher;
  FileInfo info;
  if (!fs.GetInfo(path, info) || info.isDirectory || info.size > kMaxCipherFileBytes) return CipherOpen::kNotCipher;
  std::string cipher;
  if (!fs.ReadFile(path, cipher, kMaxCipherFileBytes + 1) || cipher.size() > kMaxCipherFileBytes)
    return CipherOpen::kNotCipher;
  std::string plain;
  if (!Decipher(config.key, cipher, plain)) {
    host.Beep();
    // A plain file put into the cipher folder opens as it is; an enciphered
    // one that this key cannot read must not be saved over.
    return LooksEnciphered(cipher) ? CipherOpen::kWrongKey : CipherOpen::kNotCipher;
  }
  if (askPassword && !askPassword()) return CipherOpen::kPasswordRefused;
  if (!fs.WriteFile(tempPath, plain)) return CipherOpen::kNotCipher;
  return text && !ReadsAsSavedText(plain) ? CipherOpen::kDoubtful : CipherOpen::kDeciphered;
}

}  // namespace quelt
