#include "app/measurement/measurements.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <cmath>

#include "app/layout/messages.h"
#include "app/measurement/measurement_window.h"
#include "app/panels/line_panel.h"
#include "calc/tuner/tuner.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using C = Control;
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

Measurements::Measurements(QWidget* window, const Controls& controls, LinePanel& line)
    : QObject(window), window_(window), controls_(controls), line_(line) {
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
  QString text = ToQString(message.text).arg(first);
  if (!second.isNull()) {
    text = text.arg(second);
  }
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), text, QMessageBox::Ok,
                  view_ != nullptr && view_->isActiveWindow() ? view_ : window_);
  box.exec();
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
  try {
    opened.chosen =
        Nearest(opened.data.frequencyHz, controls_.value(C::Frequency) * kHertzPerMegahertz);
  } catch (const numeric::ArithmeticFault&) {
    opened.chosen = 0;
  }
  std::optional<Opened>& kind = opened.data.ports == 1 ? onePort_ : twoPort_;
  kind = std::move(opened);
  ++openedCount_;
  show(*kind);
  chartChanged();
  return true;
}

void Measurements::openWithDialog() {
  const QString path = QFileDialog::getOpenFileName(
      window_, QStringLiteral("Open measurement"), QString(),
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
    view_->onChosen([this](int index) { choose(index); });
  }
  view_->showMeasurement(opened.name, opened.data, opened.chosen);
  view_->show();
  view_->raise();
}

void Measurements::choose(int index) {
  std::optional<Opened>& opened = shownPorts_ == 2 ? twoPort_ : onePort_;
  if (opened && index >= 0) {
    opened->chosen = index;
    chartChanged();
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

void Measurements::write(Control field, double value) const {
  const QString text = ToQString(numeric::ShortestText(value));
  controls_.setText(field, text);
  // A narrow field shows the start of a long number, or the end of one with
  // an exponent, so that no digits read as another value.
  if (!text.contains(QLatin1Char('e'))) {
    controls_.entry(field)->setCursorPosition(0);
  }
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
    write(C::MeasuredR, z->re);
    write(C::MeasuredX, z->im);
  }
}

void Measurements::useAtLine() {
  if (shownPorts_ != 1) {
    return;
  }
  if (const auto z = passiveImpedance()) {
    const Opened* opened = shown();
    write(C::StartR, z->re);
    write(C::StartX, z->im);
    write(C::Frequency,
          opened->data.frequencyHz[static_cast<std::size_t>(opened->chosen)] / kHertzPerMegahertz);
    line_.frequencyWritten();
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
  write(C::AntennaRe, gamma.re);
  write(C::AntennaIm, gamma.im);
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
  write(C::S11Re, on50->s11[i].re);
  write(C::S11Im, on50->s11[i].im);
  write(C::S21Re, on50->s21[i].re);
  write(C::S21Im, on50->s21[i].im);
  write(C::S22Re, on50->s22[i].re);
  write(C::S22Im, on50->s22[i].im);
  // Leaving an S21 field copies it into S12: leave it now, before S12 is written.
  QWidget* focus = window_->focusWidget();
  if (focus == controls_.widget(C::S21Re) || focus == controls_.widget(C::S21Im)) {
    controls_.widget(C::S12Re)->setFocus(Qt::OtherFocusReason);
  }
  write(C::S12Re, on50->s12[i].re);
  write(C::S12Im, on50->s12[i].im);
}

}  // namespace tolvar::app

#include "moc_measurements.cpp"
