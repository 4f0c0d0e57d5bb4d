#pragma once

#include <span>
#include <string_view>

namespace tolvar::app {

// What assistive technology calls a control: its caption and panel.
struct AccessibleName {
  std::string_view control;
  std::string_view name;
};

std::span<const AccessibleName> AccessibleNames();

}  // namespace tolvar::app
