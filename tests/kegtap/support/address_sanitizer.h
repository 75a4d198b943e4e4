// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the tests (and so the programs built with them) run under AddressSanitizer, which
// reserves far more address space than any limit a test could set.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool AddressSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool AddressSanitized = true;
#else
inline constexpr bool AddressSanitized = false;
#endif
#else
inline constexpr bool AddressSanitized = false;
#endif
