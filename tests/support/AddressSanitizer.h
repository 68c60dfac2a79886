#pragma once

// Whether this build runs under AddressSanitizer, which makes process starts
// several times slower and keeps freed memory in quarantine, so that some
// time and memory bounds hold only without it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORN_UNDER_ADDRESS_SANITIZER
#endif
#endif

#ifdef VORN_UNDER_ADDRESS_SANITIZER
inline constexpr bool kUnderAddressSanitizer = true;
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
