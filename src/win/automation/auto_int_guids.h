// The fixed identities of the automation object: its class, its dispatch
// interface and the ProgID clients name in CreateObject.
#pragma once

#include <windows.h>

namespace quelt::win {

inline constexpr wchar_t kAutoIntProgId[] = L"QUELT.AUTOINT";
inline constexpr wchar_t kAutoIntDescription[] = L"Quelt automation object";
inline constexpr wchar_t kAutoIntInterfaceName[] = L"IAutoInt";

// {366F74C1-0A98-4AC7-B534-B7C16C134713}
inline constexpr CLSID kClsidAutoInt = {
    0x366f74c1, 0x0a98, 0x4ac7, {0xb5, 0x34, 0xb7, 0xc1, 0x6c, 0x13, 0x47, 0x13}};

// {A4098967-1781-4D45-A268-9DEEE5E570C4}: the dispatch interface.
inline constexpr IID kDiidAutoInt = {
    0xa4098967, 0x1781, 0x4d45, {0xa2, 0x68, 0x9d, 0xee, 0xe5, 0xe5, 0x70, 0xc4}};

}  // namespace quelt::win
