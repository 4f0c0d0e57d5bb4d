#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken property is a crash for the fuzzer: say which, then abort.
inline void Require(bool holds, const char* property, std::string_view detail = {}) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n%.2000s\n", property, std::string(detail).c_str());
    std::abort();
  }
}

// No shown text may carry a C library or Qt rendering of a non-number.
inline bool ShowsNoNonNumber(std::string_view text) {
  return text.find("nan") == std::string_view::npos && text.find("inf") == std::string_view::npos;
}
