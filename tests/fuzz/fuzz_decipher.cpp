// Deciphering: the first byte gives the key's length (1-32), the bytes after
// it the key and then the data. A failed test never leaves output; what is
// deciphered enciphers back to exactly the data.
#include <string>

#include "cipher/cipher.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t keyLength = 1 + data[0] % 32;
  if (size < 1 + keyLength) return 0;
  const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
  const std::string cipher(reinterpret_cast<const char*>(data + 1 + keyLength), size - 1 - keyLength);
  std::string plain = "stale";
  if (!quelt::Decipher(key, cipher, plain)) {
    FUZZ_CHECK(plain.empty());
    return 0;
  }
  FUZZ_CHECK(plain.size() * 2 == cipher.size());
  std::string again;
  FUZZ_CHECK(quelt::Encipher(key, plain, again));
  FUZZ_CHECK(again == cipher);
  return 0;
}
