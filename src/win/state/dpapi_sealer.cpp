#include "state/dpapi_sealer.h"

#include <windows.h>
#include <wincrypt.h>

namespace quelt::win {
namespace {

// Mixed into every block, so that another program's protected data of this
// user is not taken for ours.
constexpr char kEntropy[] = "Quelt cipher secrets";

DATA_BLOB Blob(std::string_view bytes) {
  DATA_BLOB b;
  b.cbData = static_cast<DWORD>(bytes.size());
  b.pbData = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
  return b;
}

bool Take(DATA_BLOB& out, std::string& to) {
  if (!out.pbData) return false;
  to.assign(reinterpret_cast<const char*>(out.pbData), out.cbData);
  SecureZeroMemory(out.pbData, out.cbData);
  LocalFree(out.pbData);
  return true;
}

}  // namespace

bool DpapiSealer::Seal(std::string_view plain, std::string& sealed) const {
  DATA_BLOB in = Blob(plain);
  DATA_BLOB entropy = Blob(std::string_view(kEntropy, sizeof kEntropy - 1));
  DATA_BLOB out{};
  if (!CryptProtectData(&in, L"Quelt", &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) return false;
  return Take(out, sealed);
}

bool DpapiSealer::Unseal(std::string_view sealed, std::string& plain) const {
  DATA_BLOB in = Blob(sealed);
  DATA_BLOB entropy = Blob(std::string_view(kEntropy, sizeof kEntropy - 1));
  DATA_BLOB out{};
  if (!CryptUnprotectData(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) return false;
  return Take(out, plain);
}

}  // namespace quelt::win
