#pragma once

#include <span>
#include <string_view>

#include "app/layout/control.h"

namespace tolvar::app {

// What assistive technology calls a control: its caption and panel.
struct AccessibleName {
  Control control;
  std::string_view name;
};

std::span<const AccessibleName> AccessibleNames();
// The control's name for assistive technology; empty for one that has none.
std::string_view AccessibleNameOf(Control control);

}  // namespace tolvar::app
