#pragma once

#include <span>
#include <string_view>

#include "app/control_names.h"

namespace tolvar::app {

// What assistive technology calls a control: its caption and panel.
struct AccessibleName {
  Control control;
  std::string_view name;
};

std::span<const AccessibleName> AccessibleNames();

}  // namespace tolvar::app
