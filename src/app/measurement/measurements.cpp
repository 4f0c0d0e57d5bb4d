#include "app/measurement/measurements.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <cmath>

#include "app/companion.h"
#include "app/controls/controls.h"
#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "app/measurement/measurement_window.h"
#include "app/panels/comparison_panel.h"
#include "app/panels/line_panel.h"
#include "app/panels/swr_panel.h"
#include "app/recent_folder.h"
#include "calc/tuner/tuner.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::measurement::Measurement;
using numeric::Complex;

using calc::measurement::kHertzPerMegahertz;
using calc::tuner::kVnaReferenceOhm;
constexpr qint64 kBytesPerMegabyte = 1 << 20;

// The file a drop brings: exactly one local file.
std::optional<QString> DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
      !data->urls().front().isLocalFile()) {
    return std::nullopt;
  }
  return data->urls().front().toLocalFile();
}

// The index of the frequency nearest `hertz`.
int Nearest(const std::vector<double>& frequencies, double hertz) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < frequencies.size(); ++i) {
    if (std::fabs(frequencies[i] - hertz) < std::fabs(frequencies[best] - hertz)) {
      best = i;
    }
  }
  return static_cast<int>(best);
}

QString ComplexText(Complex z) {
  return ToQString(numeric::ComplexText(z, numeric::kMeasuredNotation));
}

}  // namespace

Measurements::Measurements(QWidget* window, Panels panels)
    : ChartSource(window), window_(window), panels_(panels) {
  openAction_ = addAction("actionOpenMeasurement", QStringLiteral("Open measurement\u2026"),
                          &Measurements::openWithDialog);
  openAction_->setShortcut(QKeySequence::Open);
  openAction_->setShortcutVisibleInContextMenu(true);
  window->addAction(openAction_);
  useActions_ = {
      addAction("actionUseAsLoad", QStringLiteral("Use as &load"), &Measurements::useAsLoad),
      addAction("actionUseAtLine", QStringLiteral("Use at the &line"), &Measurements::useAtLine),
      addAction("actionUseAsAntenna", QStringLiteral("Use as &antenna"),
                &Measurements::useAsAntenna),
      addAction("actionUseAsTuner", QStringLiteral("Use as &tuner"), &Measurements::useAsTuner)};
  for (QAction* action : useActions_) {
    action->setEnabled(false);
  }
}

QAction* Measurements::addAction(const char* name, const QString& text,
                                 void (Measurements::*slot)()) {
  auto* action = new QAction(text, window_);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void Measurements::warn(const Message& message, const QString& first, const QString& second) const {
  ShowWarning(view_ != nullptr && view_->isActiveWindow() ? view_ : window_, message,
              second.isNull() ? QStringList{first} : QStringList{first, second});
}

void Measurements::announce() {
  emit changed();
  emit chartChanged();
}

bool Measurements::open(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  if (QFileInfo(path).size() > static_cast<qint64>(calc::measurement::kMaxFileBytes)) {
    warn(
        kMeasurementTooLarge, name,
        QString::number(static_cast<qint64>(calc::measurement::kMaxFileBytes) / kBytesPerMegabyte));
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    warn(kMeasurementUnreadable, name, file.errorString());
    return false;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(calc::measurement::kMaxFileBytes) + 1);
  auto read = calc::measurement::ReadTouchstone(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
      calc::measurement::PortsFromFileName(name.toStdString()));
  if (const auto* fault = std::get_if<calc::measurement::ReadFault>(&read)) {
    warn(kMeasurementFault, name, ToQString(calc::measurement::FaultText(*fault)));
    return false;
  }
  Opened opened{name, std::move(std::get<Measurement>(read)), 0};
  // Preset to the frequency the line panel shows.
  const auto mhz = panels_.line.frequencyMhz();
  opened.chosen = mhz ? Nearest(opened.data.frequencyHz, *mhz * kHertzPerMegahertz) : 0;
  std::optional<Opened>& kind = opened.data.ports == 1 ? onePort_ : twoPort_;
  kind = std::move(opened);
  ++openedCount_;
  RememberFolderOf(path);
  show(*kind);
  announce();
  return true;
}

void Measurements::openWithDialog() {
  const QString path = QFileDialog::getOpenFileName(
      window_, QStringLiteral("Open measurement"), RecentFolder(),
      QStringLiteral("Touchstone files (*.s1p *.s2p *.ts *.S1P *.S2P *.TS);;All files (*)"));
  if (!path.isEmpty()) {
    open(path);
  }
}

void Measurements::show(Opened& opened) {
  shownPorts_ = opened.data.ports;
  useActions_[0]->setEnabled(shownPorts_ == 1);
  useActions_[1]->setEnabled(shownPorts_ == 1);
  useActions_[2]->setEnabled(shownPorts_ == 1);
  useActions_[3]->setEnabled(shownPorts_ == 2);
  if (view_ == nullptr) {
    view_ = new MeasurementWindow(window_, useActions_);
    view_->installEventFilter(this);
    connect(view_, &MeasurementWindow::frequencyChosen, this, &Measurements::choose);
  }
  view_->showMeasurement(opened.name, opened.data, opened.chosen);
  ShowBeside(view_, window_);
  view_->raise();
}

void Measurements::choose(int index) {
  std::optional<Opened>& opened = shownPorts_ == 2 ? twoPort_ : onePort_;
  if (opened && index >= 0) {
    opened->chosen = index;
    announce();
  }
}

const Measurements::Opened* Measurements::shown() const {
  const std::optional<Opened>& opened = shownPorts_ == 2 ? twoPort_ : onePort_;
  return opened ? &*opened : nullptr;
}

void Measurements::watchDrops(QWidget* widget) {
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    child->installEventFilter(this);
  }
  widget->setAcceptDrops(true);
}

bool Measurements::eventFilter(QObject* /*watched*/, QEvent* event) {
  // A drop of one file opens it, wherever it lands: an entry field would
  // otherwise take the file's address as its text.
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (DroppedFile(drag->mimeData())) {
      drag->acceptProposedAction();
      return true;
    }
  } else if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (const auto path = DroppedFile(drop->mimeData())) {
      drop->acceptProposedAction();
      open(*path);
      return true;
    }
  }
  return false;
}

std::optional<ChartSource::ChartView> Measurements::chartView() const {
  ChartView view{{kVnaReferenceOhm, 0}, {}};
  const auto trace = [&view](const Opened& opened, const std::vector<Complex>& values,
                             const QString& legend, MarkHue hue) {
    const Measurement& m = opened.data;
    ChartMark mark;
    mark.legend = legend;
    mark.hue = hue;
    mark.path = values;
    mark.reference = {m.referenceOhm, 0};
    mark.trace = true;
    mark.chosen = static_cast<std::size_t>(opened.chosen);
    mark.ends = {MegahertzText(m.frequencyHz.front()), MegahertzText(m.frequencyHz.back())};
    mark.description = legend + QStringLiteral(": ") + QString::number(values.size()) +
                       QStringLiteral(" points from ") + mark.ends.first + QStringLiteral(" to ") +
                       mark.ends.second + QStringLiteral(", chosen ") +
                       MegahertzText(m.frequencyHz[mark.chosen.value()]);
    view.reference = mark.reference;
    view.marks.push_back(std::move(mark));
  };
  if (onePort_) {
    trace(*onePort_, onePort_->data.s11, onePort_->name, MarkHue::Teal);
  }
  if (twoPort_) {
    trace(*twoPort_, twoPort_->data.s11, twoPort_->name + QStringLiteral(" S11"), MarkHue::Pink);
    trace(*twoPort_, twoPort_->data.s22, twoPort_->name + QStringLiteral(" S22"), MarkHue::Olive);
  }
  if (view.marks.empty()) {
    return std::nullopt;
  }
  return view;
}

std::optional<Complex> Measurements::passiveImpedance() const {
  const Opened* opened = shown();
  const auto i = static_cast<std::size_t>(opened->chosen);
  const Complex gamma = opened->data.s11[i];
  const QString at = MegahertzText(opened->data.frequencyHz[i]);
  const auto z = numeric::ImpedanceOf(gamma, {opened->data.referenceOhm, 0});
  if (!z) {
    warn(kOpenCircuit, at, QStringLiteral("\u0393 = ") + ComplexText(gamma));
    return std::nullopt;
  }
  if (z->re < 0) {
    warn(kActiveLoad, at, ToQString(numeric::ShortestText(z->re)));
    return std::nullopt;
  }
  return z;
}

void Measurements::useAsLoad() {
  if (shownPorts_ != 1) {
    return;
  }
  if (const auto z = passiveImpedance()) {
    panels_.swr.setLoad(*z);
  }
}

void Measurements::useAtLine() {
  if (shownPorts_ != 1) {
    return;
  }
  if (const auto z = passiveImpedance()) {
    const Opened* opened = shown();
    panels_.line.setLineStart(
        *z, opened->data.frequencyHz[static_cast<std::size_t>(opened->chosen)] /
                kHertzPerMegahertz);
  }
}

void Measurements::useAsAntenna() {
  if (shownPorts_ != 1) {
    return;
  }
  const Opened* opened = shown();
  const auto i = static_cast<std::size_t>(opened->chosen);
  const auto on50 = calc::measurement::OnReference(opened->data, kVnaReferenceOhm);
  const Complex gamma = on50 ? on50->s11[i] : Complex{1, 0};
  if (!on50 || !calc::tuner::IsAntennaPartInRange(gamma.re) ||
      !calc::tuner::IsAntennaPartInRange(gamma.im) || !(numeric::Abs(gamma) < 1)) {
    warn(kAntennaNotPassive, MegahertzText(opened->data.frequencyHz[i]),
         QStringLiteral("\u0393 = ") + ComplexText(gamma));
    return;
  }
  panels_.comparison.setAntenna(gamma);
}

void Measurements::useAsTuner() {
  if (shownPorts_ != 2) {
    return;
  }
  const Opened* opened = shown();
  const auto on50 = calc::measurement::OnReference(opened->data, kVnaReferenceOhm);
  if (!on50) {
    return;  // active data with no finite S on 50 ohm; the window shows its values as "-"
  }
  const auto i = static_cast<std::size_t>(opened->chosen);
  panels_.comparison.setTuner({on50->s11[i], on50->s21[i], on50->s12[i], on50->s22[i]});
}

}  // namespace tolvar::app

#include "moc_measurements.cpp"
