#include "app/match/match_design.h"

#include <QStringList>

#include "app/controls/controls.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::match::Connection;
using calc::match::Element;
using calc::match::Kind;
using calc::match::Network;
using calc::match::Solution;
using numeric::Complex;

// How many points a part's arc is drawn with.
constexpr int kArcSteps = 24;

bool SameParts(const Network& a, const Network& b) {
  if (a.topology != b.topology || a.elements.size() != b.elements.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.elements.size(); ++i) {
    if (a.elements[i].connection != b.elements[i].connection ||
        a.elements[i].kind != b.elements[i].kind) {
      return false;
    }
  }
  return true;
}

}  // namespace

QString ElementValueText(const Element& e) {
  return e.kind == Kind::Capacitor
             ? ToQString(numeric::FormatFixed(e.value * calc::match::kPicofaradsPerFarad, 1)) +
                   QStringLiteral(" pF")
             : ToQString(numeric::FormatFixed(e.value * calc::match::kMicrohenriesPerHenry, 3)) +
                   QStringLiteral(" \u00b5H");
}

QString NetworkText(const Network& network) {
  if (network.elements.empty()) {
    return QStringLiteral("no network: the load is matched");
  }
  QStringList parts;
  for (const Element& e : network.elements) {
    parts << (e.connection == Connection::Series ? QStringLiteral("series ")
                                                 : QStringLiteral("shunt ")) +
                 (e.kind == Kind::Inductor ? QStringLiteral("L ") : QStringLiteral("C ")) +
                 ElementValueText(e);
  }
  return (network.topology == calc::match::Topology::L ? QStringLiteral("L: ")
                                                       : QStringLiteral("T: ")) +
         parts.join(QStringLiteral(", "));
}

std::vector<Complex> MatchPath(const Network& network, const calc::match::Termination& design) {
  const Complex reference{design.referenceOhm, 0};
  std::vector<Complex> path;
  Complex z = design.loadOhm;
  const auto add = [&](Complex at) {
    if (const auto gamma = numeric::ReflectionOf(at, reference)) {
      path.push_back(*gamma);
    }
  };
  add(z);
  // From the load towards the radio: the last part first.
  for (std::size_t k = network.elements.size(); k-- > 0;) {
    const Element& e = network.elements[k];
    const Complex start = z;
    for (int step = 1; step <= kArcSteps; ++step) {
      const double share = static_cast<double>(step) / kArcSteps;
      if (e.connection == Connection::Series) {
        z = start + Complex{0, share * e.reactanceOhm};
      } else {
        const Complex y = Complex{1, 0} / start + Complex{0, -share / e.reactanceOhm};
        z = Complex{1, 0} / y;
      }
      add(z);
    }
  }
  return path;
}

MatchDesign::MatchDesign(QObject* parent) : ChartSource(parent) {}

void MatchDesign::setInputs(const std::optional<MatchInputs>& inputs, const QString& why) {
  const Solution* before = chosenSolution();
  const bool hadChosen = before != nullptr;
  const Network was = hadChosen ? before->network : Network{};
  inputs_ = inputs;
  solutions_.clear();
  notes_ = why;
  if (inputs_) {
    auto networks = calc::match::DesignLNetworks(inputs_->design);
    const auto tee = calc::match::DesignHighPassT(inputs_->design, inputs_->outputPf);
    if (const auto* network = std::get_if<Network>(&tee)) {
      networks.push_back(*network);
    } else {
      notes_ = QStringLiteral("No high-pass T: ") + ToQString(std::get<std::string>(tee));
    }
    solutions_ = calc::match::SortedByLoss(calc::match::AtDesign(
        networks, inputs_->qualities, inputs_->design, inputs_->powerW));
  }
  chosen_ = 0;
  for (std::size_t i = 0; hadChosen && i < solutions_.size(); ++i) {
    if (SameParts(solutions_[i].network, was)) {
      chosen_ = static_cast<int>(i);
      break;
    }
  }
  emit changed();
  emit chartChanged();
}

void MatchDesign::choose(int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < solutions_.size() && index != chosen_) {
    chosen_ = index;
    emit changed();
    emit chartChanged();
  }
}

const calc::match::Solution* MatchDesign::chosenSolution() const {
  const auto index = static_cast<std::size_t>(chosen_);
  return index < solutions_.size() ? &solutions_[index] : nullptr;
}

std::optional<ChartSource::ChartView> MatchDesign::chartView() const {
  const Solution* chosen = chosenSolution();
  if (chosen == nullptr || !inputs_) {
    return std::nullopt;
  }
  ChartMark mark;
  mark.legend = QStringLiteral("Match, ") + NetworkText(chosen->network);
  mark.description = mark.legend;
  mark.hue = MarkHue::Indigo;
  mark.path = MatchPath(chosen->network, inputs_->design);
  return ChartView{{inputs_->design.referenceOhm, 0}, {mark}};
}

}  // namespace tolvar::app

#include "moc_match_design.cpp"
