#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property is a crash for the fuzzer: say which, then abort.
inline void Require(bool holds, const char* property, std::string_view detail = {}) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n%.*s\n", property,
                 static_cast<int>(detail.size() > 2000 ? 2000 : detail.size()), detail.data());
    std::abort();
  }
}

// No text shown by the program may carry a C library or Qt rendering of a
// non-number.
inline bool ShowsNoNonNumber(std::string_view text) {
  return text.find("nan") == std::string_view::npos && text.find("inf") == std::string_view::npos;
}
