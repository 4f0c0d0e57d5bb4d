#include "app/measurement/measurement_window.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "app/controls/controls.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "numeric/rf.h"
#include "numeric/smith.h"

namespace tolvar::app {

namespace {

using calc::measurement::Measurement;
using numeric::Complex;

using calc::measurement::kHertzPerMegahertz;
using calc::tuner::kVnaReferenceOhm;

QString Fixed(double value, int decimals) {
  return ToQString(numeric::FormatFixed(value, decimals));
}

// "0.1905 + j0.0011".
QString ComplexText(Complex value, int decimals) {
  return ToQString(numeric::ComplexText(value, numeric::MeasuredFixedNotation(decimals)));
}

QString OnePortValues(const Measurement& m, std::size_t i) {
  const Complex gamma = m.s11[i];
  const auto z = numeric::ImpedanceOf(gamma, {m.referenceOhm, 0});
  const auto on50 = z ? numeric::ReflectionOf(*z, {kVnaReferenceOhm, 0}) : std::nullopt;
  const auto swr = on50 ? numeric::SwrOf(numeric::Abs(*on50)) : std::nullopt;
  // "-" for the open circuit, which the chart cannot show either.
  return QStringLiteral("Z = ") + (z ? ComplexText(*z, 2) : QStringLiteral("-")) +
         QStringLiteral(" ohm\n\u0393 = ") + ComplexText(gamma, 4) +
         QStringLiteral(" (|\u0393| = ") + Fixed(numeric::Abs(gamma), 4) + QStringLiteral(" at ") +
         Fixed(numeric::ReflectionAngleDegrees(gamma), 1) +
         QStringLiteral("\u00b0)\nSWR at 50 ohm = ") +
         (swr ? Fixed(*swr, 3) : QStringLiteral("none (|\u0393| \u2265 1)"));
}

QString TwoPortValues(const Measurement& on50, std::size_t i) {
  QStringList lines;
  const std::pair<const char*, const std::vector<Complex>*> parts[] = {
      {"S11", &on50.s11}, {"S21", &on50.s21}, {"S12", &on50.s12}, {"S22", &on50.s22}};
  for (const auto& [name, values] : parts) {
    lines << QString::fromLatin1(name) + QStringLiteral(" = ") + ComplexText((*values)[i], 4);
  }
  return lines.join(QLatin1Char('\n')) + QStringLiteral("\n(on 50 ohm)");
}

}  // namespace

QString MegahertzText(double hertz) {
  return ToQString(numeric::ShortestText(hertz / kHertzPerMegahertz)) + QStringLiteral(" MHz");
}

MeasurementWindow::MeasurementWindow(QWidget* parent, const QList<QAction*>& actions)
    : QWidget(parent, Qt::Window),
      summary_(new QLabel(this)),
      frequency_(new QComboBox(this)),
      values_(new QLabel(this)) {
  setObjectName(QStringLiteral("Measurement"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 measurement"));
  setAcceptDrops(true);
  frequency_->setObjectName(QStringLiteral("MeasurementFrequency"));
  // A sweep may hold thousands of points: size the box by a length, not by
  // measuring every item, and lay the list out as rows of one height.
  constexpr int kShownCharacters = 14;
  frequency_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  frequency_->setMinimumContentsLength(kShownCharacters);
  if (auto* list = qobject_cast<QListView*>(frequency_->view())) {
    list->setUniformItemSizes(true);
  }
  frequency_->setAccessibleName(QStringLiteral("Frequency of the measurement"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* chooser = new QFormLayout;
  chooser->addRow(QStringLiteral("&Frequency:"), frequency_);
  auto* buttons = new QHBoxLayout;
  for (QAction* action : actions) {
    auto* button = new QPushButton(action->text(), this);
    button->setEnabled(action->isEnabled());
    connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addLayout(chooser);
  layout->addWidget(values_);
  layout->addStretch();
  layout->addLayout(buttons);
  connect(frequency_, &QComboBox::currentIndexChanged, this, [this](int index) {
    showValues(index);
    emit frequencyChosen(index);
  });
}

void MeasurementWindow::showMeasurement(const QString& name, const Measurement& measurement,
                                        int chosen) {
  shown_ = measurement;
  if (measurement.ports == 2) {
    // The values shown are the tuner panel's, on the VNA's 50 ohm.
    shown_ = calc::measurement::OnReference(measurement, kVnaReferenceOhm).value_or(measurement);
  }
  summary_->setText(name + QStringLiteral("\n") + QString::number(measurement.ports) +
                    QStringLiteral("-port, reference ") +
                    ToQString(numeric::ShortestText(measurement.referenceOhm)) +
                    QStringLiteral(" ohm, ") + QString::number(measurement.frequencyHz.size()) +
                    QStringLiteral(" points, ") + MegahertzText(measurement.frequencyHz.front()) +
                    QStringLiteral(" to ") + MegahertzText(measurement.frequencyHz.back()));
  QStringList items;
  items.reserve(static_cast<qsizetype>(measurement.frequencyHz.size()));
  for (const double hertz : measurement.frequencyHz) {
    items << MegahertzText(hertz);
  }
  const QSignalBlocker quiet(frequency_);
  frequency_->clear();
  frequency_->addItems(items);
  frequency_->setCurrentIndex(chosen);
  showValues(chosen);
}

int MeasurementWindow::chosen() const { return frequency_->currentIndex(); }

void MeasurementWindow::showValues(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= shown_.frequencyHz.size()) {
    values_->clear();
    return;
  }
  const auto i = static_cast<std::size_t>(index);
  values_->setText(shown_.ports == 1 ? OnePortValues(shown_, i) : TwoPortValues(shown_, i));
}

}  // namespace tolvar::app

#include "moc_measurement_window.cpp"
