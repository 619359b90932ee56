// A sealer standing in for the platform's per-user protection: a block
// sealed for one user unseals only for the same user.
#pragma once

#include <string>
#include <string_view>

#include "cipher/cipher_secrets.h"

namespace quelt::test {

class FakeSealer : public SecretSealer {
 public:
  explicit FakeSealer(char user = 'u') : user_(user) {}
  bool Seal(std::string_view plain, std::string& sealed) const override {
    if (failing) return false;
    sealed.assign("user");
    sealed += user_;
    for (char c : plain) sealed += static_cast<char>(c ^ 0x5A ^ user_);
    return true;
  }
  bool Unseal(std::string_view sealed, std::string& plain) const override {
    if (sealed.size() < 5 || sealed.substr(0, 4) != "user" || sealed[4] != user_) return false;
    plain.clear();
    for (char c : sealed.substr(5)) plain += static_cast<char>(c ^ 0x5A ^ user_);
    return true;
  }
  bool failing = false;

 private:
  char user_;
};

}  // namespace quelt::test
