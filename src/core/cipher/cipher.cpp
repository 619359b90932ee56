#include "cipher/cipher.h"

#include "base/file_system.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/path.h"
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

bool DecipherForOpening(FileSystem& fs, Host& host, const CipherConfig& config, const std::string& path,
                        const std::string& tempPath, const std::function<bool()>& askPassword) {
  if (!InCipherFolder(config, path)) return false;
  FileInfo info;
  if (!fs.GetInfo(path, info) || info.isDirectory || info.size > kMaxCipherFileBytes) return false;
  std::string cipher;
  if (!fs.ReadFile(path, cipher, kMaxCipherFileBytes + 1) || cipher.size() > kMaxCipherFileBytes) return false;
  std::string plain;
  if (!Decipher(config.key, cipher, plain)) {
    host.Beep();
    return false;
  }
  if (askPassword && !askPassword()) return false;
  return fs.WriteFile(tempPath, plain);
}

}  // namespace quelt
