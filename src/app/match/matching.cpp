#include "app/match/matching.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>

#include "app/companion.h"
#include "app/controls/named_action.h"
#include "app/controls/recent_folder.h"
#include "app/controls/save_file.h"
#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "app/match/match_design.h"
#include "app/match/match_sweep.h"
#include "app/match/match_window.h"
#include "app/measurement/measurements.h"
#include "app/panel_menus.h"
#include "app/panels/line_panel.h"
#include "app/panels/swr_panel.h"
#include "calc/measurement/touchstone_writer.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;
using numeric::Complex;

// The chosen measured point: its impedance and frequency, carried through
// the line panel's line to the radio's end when `toRadio` and there is a line.
std::optional<std::pair<Complex, double>> MeasuredPoint(const Measurements& measurements,
                                                        const LinePanel& line, bool toRadio) {
  const auto& onePort = measurements.onePort();
  if (!onePort) {
    return std::nullopt;
  }
  const auto i = static_cast<std::size_t>(onePort->chosen);
  const double mhz = onePort->data.frequencyHz[i] / kHertzPerMegahertz;
  auto z = numeric::ImpedanceOf(onePort->data.s11[i], {onePort->data.referenceOhm, 0});
  const auto swept = line.sweptLine();
  if (z && toRadio && swept) {
    z = calc::sweep::CarryAlong(*swept, calc::line::Direction::TowardsTransmitter, *z, mhz).z;
  }
  return z ? std::optional(std::pair(*z, mhz)) : std::nullopt;
}

}  // namespace

Matching::Matching(QWidget* window, MatchDesign& design, const MatchSweep& sweep, Places places)
    : QObject(window),
      window_(window),
      design_(design),
      sweep_(sweep),
      places_(places),
      designAction_(NamedAction(window, "actionDesignMatch", QStringLiteral("Design match\u2026"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M))),
      matchThisAction_(NamedAction(window, "actionMatchThis", QStringLiteral("Match this"))),
      copyAction_(NamedAction(window, "actionCopyMatch", QStringLiteral("Copy match"))),
      copySweepAction_(
          NamedAction(window, "actionCopyMatchSweep", QStringLiteral("Copy match sweep"))),
      saveAction_(NamedAction(window, "actionSaveMatchNetwork",
                              QStringLiteral("Save match network\u2026"))) {
  connect(designAction_, &QAction::triggered, this, &Matching::openWindow);
  connect(matchThisAction_, &QAction::triggered, this, &Matching::matchThis);
  connect(copyAction_, &QAction::triggered, this, &Matching::copyMatch);
  connect(copySweepAction_, &QAction::triggered, this, &Matching::copyMatchSweep);
  connect(saveAction_, &QAction::triggered, this, &Matching::saveNetworkWithDialog);
}

void Matching::openWindow() {
  if (view_ == nullptr) {
    view_ = new MatchWindow(window_, design_, {copyAction_, copySweepAction_, saveAction_});
    emit windowMade(view_);
  }
  ShowBeside(view_, window_);
  view_->raise();
  view_->activateWindow();
}

void Matching::matchThis() {
  // From the measurement window's menu, its chosen point; else the panel's.
  const auto frame = places_.measurements.viewIsActive() ? std::nullopt
                                                          : places_.menus.currentFrame();
  openWindow();
  // A place without a load says so: else the last load would pass for its.
  if (frame == Control::SwrFrame) {
    if (const auto load = places_.swr.typedLoad()) {
      view_->setLoad(*load, std::nullopt);
    } else {
      ShowWarning(view_, kNoSwrLoad);
    }
  } else if (frame == Control::LineFrame) {
    if (const auto far = places_.line.farPoint()) {
      view_->setLoad(far->z, far->mhz);
    } else {
      ShowWarning(view_, kNoLineFarPoint);
    }
  } else {
    // The window's own choice: the design has none while the entries give no design.
    const bool toRadio = view_->placement() == calc::match::Placement::AtRadio;
    if (const auto point = MeasuredPoint(places_.measurements, places_.line, toRadio)) {
      view_->setLoad(point->first, point->second);
    } else if (places_.measurements.onePort()) {
      ShowWarning(view_, kNoMeasuredLoad);
    }
  }
}

void Matching::copyMatch() {
  QApplication::clipboard()->setText(
      QString::fromStdString(calc::match::SolutionsCsv(design_.solutions())));
}

void Matching::copyMatchSweep() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::clipboard()->setText(
      QString::fromStdString(calc::match::BandSweepCsv(sweep_.fullPoints())));
  QApplication::restoreOverrideCursor();
}

std::optional<std::string> Matching::networkFile() const {
  const calc::match::Solution* chosen = design_.chosenSolution();
  if (chosen == nullptr || !design_.inputs()) {
    return std::nullopt;
  }
  const MatchInputs& inputs = *design_.inputs();
  calc::measurement::Measurement network;
  network.ports = 2;
  network.referenceOhm = 50;
  const auto& onePort = places_.measurements.onePort();
  const std::vector<double> frequencyHz =
      onePort ? onePort->data.frequencyHz : std::vector{inputs.design.mhz * kHertzPerMegahertz};
  std::size_t leftOut = 0;
  for (const double hz : frequencyHz) {
    const auto s = calc::match::SParametersOn(
        calc::match::NetworkAbcd(chosen->network, inputs.qualities, hz / kHertzPerMegahertz),
        network.referenceOhm);
    // At 0 Hz a capacitor's reactance has no value: a file takes no such point.
    if (!numeric::IsFinite(s.s11) || !numeric::IsFinite(s.s21) || !numeric::IsFinite(s.s12) ||
        !numeric::IsFinite(s.s22)) {
      ++leftOut;
      continue;
    }
    network.frequencyHz.push_back(hz);
    network.s11.push_back(s.s11);
    network.s21.push_back(s.s21);
    network.s12.push_back(s.s12);
    network.s22.push_back(s.s22);
  }
  if (network.frequencyHz.empty()) {
    return std::nullopt;
  }
  std::string comment = "Tolvar matching network, port 1 the radio side: " +
                        NetworkText(chosen->network).toStdString();
  if (leftOut > 0) {
    comment += '\n' + std::to_string(leftOut) + (leftOut == 1 ? " frequency" : " frequencies") +
               " without finite S-parameters left out";
  }
  return calc::measurement::WriteTouchstone(network, comment);
}

bool Matching::saveNetwork(const QString& path) const {
  const std::optional<std::string> text = networkFile();
  return text && WriteWholeFile(path, *text);
}

void Matching::saveNetworkWithDialog() {
  if (design_.chosenSolution() == nullptr) {
    ShowWarning(view_, kNoMatchNetwork);
    return;
  }
  const std::optional<std::string> text = networkFile();
  if (!text) {
    ShowWarning(view_, kNoMatchFrequency);
    return;
  }
  const QString path = QFileDialog::getSaveFileName(
      view_, QStringLiteral("Save match network"),
      InRecentFolder(QStringLiteral("match-network.s2p")),
      QStringLiteral("Touchstone 2-port (*.s2p)"));
  if (path.isEmpty()) {
    return;
  }
  if (!WriteWholeFile(path, *text)) {
    ShowWarning(view_, kMatchNotSaved, {QDir::toNativeSeparators(path)});
    return;
  }
  RememberFolderOf(path);
}

}  // namespace tolvar::app

#include "moc_matching.cpp"
