#include "app/measurement/measurement_reading.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "app/controls/controls.h"
#include "app/layout/messages.h"
#include "calc/tuner/tuner.h"
#include "numeric/complex.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;
using calc::measurement::Measurement;
constexpr qint64 kBytesPerMegabyte = 1 << 20;

// The first point to show: the one nearest the line panel's frequency when
// that lies in the band, else the lowest SWR (the smallest |S11|, the first
// of a tie).
int FirstChoice(const Measurement& m, std::optional<double> lineMhz) {
  const std::vector<double>& hz = m.frequencyHz;
  if (lineMhz) {
    const double wanted = *lineMhz * kHertzPerMegahertz;
    if (wanted >= hz.front() && wanted <= hz.back()) {
      const auto above = std::lower_bound(hz.begin(), hz.end(), wanted);
      auto nearest = above;
      if (above == hz.end() || (above != hz.begin() && wanted - *(above - 1) <= *above - wanted)) {
        nearest = above - 1;
      }
      return static_cast<int>(nearest - hz.begin());
    }
  }
  const auto lowest = std::min_element(m.s11.begin(), m.s11.end(), [](auto a, auto b) {
    return numeric::Norm(a) < numeric::Norm(b);
  });
  return static_cast<int>(lowest - m.s11.begin());
}

}  // namespace

std::variant<Measurements::Opened, OpenFault> ReadMeasurementFile(const QString& path,
                                                                  std::optional<double> lineMhz) {
  const QString name = QFileInfo(path).fileName();
  constexpr auto kMostBytes = static_cast<qint64>(calc::measurement::kMaxFileBytes);
  if (QFileInfo(path).size() > kMostBytes) {
    return OpenFault{&kMeasurementTooLarge,
                     {name, QString::number(kMostBytes / kBytesPerMegabyte)}};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return OpenFault{&kMeasurementUnreadable, {name, file.errorString()}};
  }
  const QByteArray bytes = file.read(kMostBytes + 1);
  auto read = calc::measurement::ReadTouchstone(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
      calc::measurement::PortsFromFileName(name.toStdString()));
  if (const auto* fault = std::get_if<calc::measurement::ReadFault>(&read)) {
    return OpenFault{&kMeasurementFault, {name, ToQString(calc::measurement::FaultText(*fault))}};
  }
  Measurements::Opened opened{name, std::move(std::get<Measurement>(read)), {}, {}, 0};
  if (opened.data.referenceOhm != calc::tuner::kVnaReferenceOhm) {
    opened.renormalised =
        calc::measurement::OnReference(opened.data, calc::tuner::kVnaReferenceOhm);
  }
  for (const std::string& note : opened.data.notes) {
    opened.notes << ToQString(note);
  }
  opened.chosen = FirstChoice(opened.data, lineMhz);
  return opened;
}

}  // namespace tolvar::app
