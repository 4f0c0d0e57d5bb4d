#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "app/measurement/measurements.h"

namespace tolvar::app {

struct Message;

// Why a file did not open: the box's message and its arguments.
struct OpenFault {
  const Message* message;
  QStringList args;
};

// Reads a Touchstone file into what the measurements keep: the measurement,
// its values on 50 ohm where its reference differs, the notes of its reading,
// and the point chosen first (the one nearest `lineMhz` inside the band, else
// the lowest SWR). Touches no widget: it runs off the window's thread.
std::variant<Measurements::Opened, OpenFault> ReadMeasurementFile(const QString& path,
                                                                  std::optional<double> lineMhz);

}  // namespace tolvar::app
