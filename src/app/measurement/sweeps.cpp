#include "app/measurement/sweeps.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollBar>
#include <cmath>

#include "app/layout/messages.h"
#include "app/measurement/measurement_window.h"
#include "app/measurement/measurements.h"
#include "app/measurement/sweep_plot.h"
#include "app/panels/line_panel.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using C = Control;
using calc::sweep::LinePoint;
using Curve = SweepPlot::Curve;
using Values = std::vector<std::optional<double>>;

using calc::measurement::kHertzPerMegahertz;

// Return loss [dB] of an SWR: -20 log10 of its |Gamma|.
std::optional<double> ReturnLoss(const std::optional<double>& swr) {
  if (!swr || !(*swr > 1)) {
    return std::nullopt;
  }
  return -20 * std::log10((*swr - 1) / (*swr + 1));
}

template <typename Take>
Values Column(const std::vector<LinePoint>& points, Take take) {
  Values values;
  values.reserve(points.size());
  for (const LinePoint& p : points) {
    values.push_back(take(p));
  }
  return values;
}

}  // namespace

Sweeps::Sweeps(QWidget* window, const Controls& controls, Measurements& measurements,
               LinePanel& line)
    : QObject(window),
      window_(window),
      controls_(controls),
      measurements_(measurements),
      linePanel_(line) {
  const auto action = [this, window](const char* name, const char* text, void (Sweeps::*slot)()) {
    auto* created = new QAction(QString::fromUtf8(text), window);
    created->setObjectName(QString::fromLatin1(name));
    connect(created, &QAction::triggered, this, slot);
    actions_ << created;
    return created;
  };
  QAction* plot = action("actionSweepPlot", "Sweep plot", &Sweeps::showPlot);
  plot->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  plot->setShortcutVisibleInContextMenu(true);
  window->addAction(plot);
  action("actionCopySweep", "Copy sweep", &Sweeps::copySweep);
  action("actionSaveSweep", "Save sweep\u2026", &Sweeps::saveSweep);
  // Before the chart hears of a new line result or measurement, the sweep it
  // shows is computed anew.
  measurements_.onChartChange([this] {
    recomputeLine(false);
    recomputeTuner();
    updatePlot();
  });
  linePanel_.onChartChange([this] {
    if (recomputeLine(false)) {
      updatePlot();
    }
  });
  // The line's entries change it too while the panel shows no result.
  const auto lineChanged = [this] {
    if (recomputeLine(true)) {
      updatePlot();
    }
  };
  connect(controls_.scrollBar(C::ShiftBar), &QScrollBar::valueChanged, this, lineChanged);
  for (const Control option :
       {C::TowardsAntenna, C::TowardsTransmitter, C::AutoLineData, C::ManualLineData}) {
    connect(controls_.option(option), &QRadioButton::clicked, this, lineChanged);
  }
  connect(controls_.comboBox(C::CableBox), &QComboBox::editTextChanged, this, lineChanged);
  connect(controls_.comboBox(C::CyclesBox), &QComboBox::currentTextChanged, this, lineChanged);
  for (const Control entry : {C::Frequency, C::LineZ, C::VelocityFactor, C::LineLoss, C::RtxZ}) {
    connect(controls_.entry(entry), &QLineEdit::textChanged, this, lineChanged);
  }
  for (const Control part : {C::AntennaRe, C::AntennaIm}) {
    connect(controls_.entry(part), &QLineEdit::textChanged, this, [this] {
      recomputeTuner();
      updatePlot();
    });
  }
}

namespace {

bool SameLine(const std::optional<calc::sweep::SweptLine>& a,
              const std::optional<calc::sweep::SweptLine>& b) {
  if (!a || !b) {
    return !a && !b;
  }
  const calc::line::LineEntries& x = a->panel;
  const calc::line::LineEntries& y = b->panel;
  return a->cable == b->cable && a->lengthM == b->lengthM && x.lineZ == y.lineZ &&
         x.velocityFactor == y.velocityFactor && x.lossPer100m == y.lossPer100m && x.mhz == y.mhz &&
         x.direction == y.direction;
}

}  // namespace

void Sweeps::setPanelLookup(std::function<std::optional<Control>()> lookup) {
  panelLookup_ = std::move(lookup);
}

bool Sweeps::recomputeLine(bool tellChart) {
  const auto& onePort = measurements_.onePort();
  const auto swept = onePort ? linePanel_.sweptLine() : std::nullopt;
  const unsigned opening = onePort ? measurements_.openedCount() : 0;
  if (SameLine(swept, swept_) && opening == sweptOpening_) {
    return false;
  }
  swept_ = swept;
  sweptOpening_ = opening;
  line_ = swept_ ? calc::sweep::SweepLine(onePort->data, *swept_) : std::vector<LinePoint>{};
  if (tellChart) {
    chartChanged();
  }
  return true;
}

void Sweeps::recomputeTuner() {
  tuner_.clear();
  const auto& twoPort = measurements_.twoPort();
  if (!twoPort) {
    return;
  }
  numeric::Complex typed;
  try {
    typed = controls_.value(C::AntennaRe, C::AntennaIm);
  } catch (const numeric::ArithmeticFault&) {
    typed = {};  // a number too large for a double: no antenna of its own
  }
  const auto& onePort = measurements_.onePort();
  tuner_ = calc::sweep::SweepTuner(twoPort->data,
                                   onePort ? std::optional(onePort->data) : std::nullopt, typed);
}

QString Sweeps::carriedName() const {
  const bool towardsAntenna = swept_->panel.direction == calc::line::Direction::TowardsAntenna;
  return measurements_.onePort()->name +
         (towardsAntenna ? QStringLiteral(" at the antenna") : QStringLiteral(" at the radio"));
}

std::optional<ChartSource::ChartView> Sweeps::chartView() const {
  const auto& onePort = measurements_.onePort();
  if (!swept_ || line_.empty() || !onePort) {
    return std::nullopt;
  }
  const numeric::Complex lineZ{swept_->panel.lineZ, 0};
  ChartMark mark;
  mark.legend = carriedName();
  mark.hue = MarkHue::Brown;
  mark.reference = lineZ;
  mark.trace = true;
  std::optional<std::size_t> first;
  std::size_t last = 0;
  for (std::size_t i = 0; i < line_.size(); ++i) {
    const auto gamma =
        line_[i].carried ? numeric::ReflectionOf(*line_[i].carried, lineZ) : std::nullopt;
    if (gamma) {
      first = first.value_or(mark.path.size());
      last = mark.path.size();
      mark.path.push_back(*gamma);
      if (i == static_cast<std::size_t>(onePort->chosen)) {
        mark.chosen = mark.path.size() - 1;
      }
    }
  }
  if (mark.path.empty()) {
    return std::nullopt;
  }
  mark.ends = {MegahertzText(line_.front().mhz * kHertzPerMegahertz),
               MegahertzText(line_.back().mhz * kHertzPerMegahertz)};
  mark.description = mark.legend + QStringLiteral(": ") + QString::number(last - *first + 1) +
                     QStringLiteral(" points carried along ") +
                     ToQString(numeric::FormatFixed(swept_->lengthM, 2)) +
                     QStringLiteral(" m of the line");
  return ChartView{lineZ, {mark}};
}

void Sweeps::showPlot() {
  if (plot_ == nullptr) {
    plot_ = new SweepPlot(window_);
  }
  plot_->show();
  plot_->raise();
  updatePlot();
}

namespace {

// The line sweep's plots: the SWR at both ends with the line's loss beside it,
// the return loss, R and X at both ends, and the loss matched and with the SWR.
std::vector<SweepPlot::Plot> LinePlots(const std::vector<LinePoint>& line,
                                       const calc::sweep::SweptLine& swept) {
  const bool towardsAntenna = swept.panel.direction == calc::line::Direction::TowardsAntenna;
  const QString measured =
      (towardsAntenna ? QStringLiteral("at the radio") : QStringLiteral("at the antenna")) +
      QStringLiteral(" (measured)");
  const QString carried =
      (towardsAntenna ? QStringLiteral("at the antenna") : QStringLiteral("at the radio")) +
      QStringLiteral(" (through the line)");
  // A typed loss is given for the panel's MHz: say how it goes elsewhere.
  const QString scaled =
      swept.cable == nullptr ? QStringLiteral(", typed loss scaled with \u221af") : QString();
  std::vector<double> mhz;
  mhz.reserve(line.size());
  for (const LinePoint& p : line) {
    mhz.push_back(p.mhz);
  }
  const auto column = [&line](auto take) { return Column(line, take); };
  const auto part = [](const std::optional<numeric::Complex>& z, double numeric::Complex::*which) {
    return z ? std::optional((*z).*which) : std::nullopt;
  };
  const Values loss = column([](const LinePoint& p) { return p.lineLossDb; });
  return {
      {QStringLiteral("SWR"),
       QStringLiteral("SWR"),
       mhz,
       {Curve{measured, column([](const LinePoint& p) { return p.measuredSwr; })},
        Curve{carried, column([](const LinePoint& p) { return p.carriedSwr; })},
        Curve{QStringLiteral("line loss") + scaled, loss, true}},
       QStringLiteral("dB")},
      {QStringLiteral("Return loss"),
       QStringLiteral("dB"),
       mhz,
       {Curve{measured, column([](const LinePoint& p) { return ReturnLoss(p.measuredSwr); })},
        Curve{carried, column([](const LinePoint& p) { return ReturnLoss(p.carriedSwr); })}}},
      {QStringLiteral("R and X"),
       QStringLiteral("ohm"),
       mhz,
       {Curve{QStringLiteral("R ") + measured,
              column([&](const LinePoint& p) { return part(p.measured, &numeric::Complex::re); })},
        Curve{QStringLiteral("X ") + measured,
              column([&](const LinePoint& p) { return part(p.measured, &numeric::Complex::im); })},
        Curve{QStringLiteral("R ") + carried,
              column([&](const LinePoint& p) { return part(p.carried, &numeric::Complex::re); })},
        Curve{QStringLiteral("X ") + carried,
              column([&](const LinePoint& p) { return part(p.carried, &numeric::Complex::im); })}}},
      {QStringLiteral("Line loss"),
       QStringLiteral("dB"),
       mhz,
       {Curve{QStringLiteral("matched") + scaled,
              column([](const LinePoint& p) { return std::optional(p.matchedLossDb); })},
        Curve{QStringLiteral("with the SWR") + scaled, loss}}}};
}

SweepPlot::Plot TunerPlot(const std::vector<calc::sweep::TunerPoint>& tuner) {
  SweepPlot::Plot plot{QStringLiteral("Tuner loss"), QStringLiteral("dB"), {}, {}};
  Curve loss{QStringLiteral("insertion loss"), {}};
  for (const auto& p : tuner) {
    plot.mhz.push_back(p.mhz);
    loss.values.push_back(p.lossDb);
  }
  plot.curves.push_back(loss);
  return plot;
}

}  // namespace

void Sweeps::updatePlot() {
  if (plot_ == nullptr || !plot_->isVisible()) {
    return;
  }
  std::vector<SweepPlot::Plot> plots;
  const auto& onePort = measurements_.onePort();
  if (onePort && swept_ && !line_.empty()) {
    plots = LinePlots(line_, *swept_);
  }
  if (!tuner_.empty()) {
    plots.push_back(TunerPlot(tuner_));
  }
  plot_->setPlots(plots);
  plot_->setChosen(onePort ? std::optional(onePort->data.frequencyHz.at(
                                               static_cast<std::size_t>(onePort->chosen)) /
                                           kHertzPerMegahertz)
                           : std::nullopt);
}

std::optional<Control> Sweeps::panelAsked() const {
  return panelLookup_ ? panelLookup_() : std::nullopt;
}

void Sweeps::warn(const Message& message) const {
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), ToQString(message.text),
                  QMessageBox::Ok, window_);
  box.exec();
}

void Sweeps::copySweep() {
  const auto panel = panelAsked();
  if (panel == C::LineFrame) {
    if (line_.empty()) {
      warn(kNoLineSweep);
      return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(calc::sweep::LineSweepCsv(line_)));
  } else if (panel == C::TunerFrame) {
    if (tuner_.empty()) {
      warn(kNoTunerSweep);
      return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(calc::sweep::TunerSweepCsv(tuner_)));
  } else {
    warn(kNoSweepHere);
  }
}

void Sweeps::saveSweep() {
  const auto panel = panelAsked();
  const bool line = panel == C::LineFrame;
  if (panel != C::LineFrame && panel != C::TunerFrame) {
    warn(kNoSweepHere);
    return;
  }
  if (line ? line_.empty() : tuner_.empty()) {
    warn(line ? kNoLineSweep : kNoTunerSweep);
    return;
  }
  const QString csv = QStringLiteral("Comma-separated values (*.csv)");
  const QString touchstone = QStringLiteral("Touchstone 1-port, the carried impedance (*.s1p)");
  QString chosenFilter;
  QString path = QFileDialog::getSaveFileName(
      window_, QStringLiteral("Save sweep"),
      line ? QStringLiteral("line-sweep.csv") : QStringLiteral("tuner-sweep.csv"),
      line ? csv + QStringLiteral(";;") + touchstone : csv, &chosenFilter);
  if (path.isEmpty()) {
    return;
  }
  const bool asTouchstone = line && (chosenFilter == touchstone ||
                                     path.endsWith(QStringLiteral(".s1p"), Qt::CaseInsensitive));
  const std::string text =
      !line
          ? calc::sweep::TunerSweepCsv(tuner_)
          : (asTouchstone ? calc::sweep::CarriedTouchstone(
                                line_, carriedName().toStdString() + ", carried by Tolvar along " +
                                           numeric::FormatFixed(swept_->lengthM, 2) + " m of line")
                          : calc::sweep::LineSweepCsv(line_));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    QMessageBox box(QMessageBox::Warning, ToQString(kSweepNotSaved.title),
                    ToQString(kSweepNotSaved.text).arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok, window_);
    box.exec();
  }
}

}  // namespace tolvar::app

#include "moc_sweeps.cpp"
