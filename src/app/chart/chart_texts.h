#pragma once

// The Smith chart's words: its reference, its legend and the readout under
// the pointer, kept apart from the widget so they read without a window.

#include <QString>
#include <QStringList>
#include <vector>

#include "numeric/smith.h"

namespace tolvar::app {

struct ChartMark;

// A reference impedance as the chart names it: "50 ohm", "75 - j25 ohm".
QString ChartOhmText(numeric::Complex z);

// "Reference 50 ohm".
QString ChartReferenceText(numeric::Complex reference);

// The legend's lines; each names its reference where the marks' differ.
QStringList ChartLegendLines(const std::vector<ChartMark>& marks);

// Z, |Gamma| with its angle and the SWR of `gamma` on `reference`, after
// `prefix` (which mark it is, or nothing); empty on or beyond the rim.
QString ChartReadout(numeric::Complex gamma, numeric::Complex reference, const QString& prefix);

}  // namespace tolvar::app
