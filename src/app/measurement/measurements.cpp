#include "app/measurement/measurements.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "app/companion.h"
#include "app/controls/controls.h"
#include "app/controls/named_action.h"
#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "app/measurement/measurement_reading.h"
#include "app/measurement/measurement_window.h"
#include "app/panels/line_panel.h"
#include "app/controls/recent_folder.h"
#include "calc/tuner/tuner.h"

namespace tolvar::app {

namespace {

// The file a drop brings: exactly one local file.
std::optional<QString> DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
      !data->urls().front().isLocalFile()) {
    return std::nullopt;
  }
  return data->urls().front().toLocalFile();
}

// Reading a file is quick; only one that takes longer than this gets a box
// that shows it is under way and can cancel it.
constexpr int kProgressAfterMs = 300;

}  // namespace

const calc::measurement::Measurement* Measurements::Opened::onVna() const {
  if (data.referenceOhm == calc::tuner::kVnaReferenceOhm) {
    return &data;
  }
  return renormalised ? &*renormalised : nullptr;
}

Measurements::Measurements(QWidget* window, Panels panels)
    : ChartSource(window), window_(window), panels_(panels) {
  openAction_ = NamedAction(window, "actionOpenMeasurement",
                            QStringLiteral("Open measurement\u2026"), QKeySequence::Open);
  connect(openAction_, &QAction::triggered, this, &Measurements::openWithDialog);
  useActions_ = {
      addAction("actionUseAsLoad", QStringLiteral("Use as &load"), &Measurements::useAsLoad),
      addAction("actionUseAtLine", QStringLiteral("Use at the li&ne"), &Measurements::useAtLine),
      addAction("actionUseAsAntenna", QStringLiteral("Use as &antenna"),
                &Measurements::useAsAntenna),
      addAction("actionUseAsTuner", QStringLiteral("Use as &tuner"), &Measurements::useAsTuner)};
  enableActions();
}

QAction* Measurements::addAction(const char* name, const QString& text,
                                 void (Measurements::*slot)()) {
  QAction* action = NamedAction(window_, name, text);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void Measurements::warn(const Message& message, const QStringList& args) const {
  ShowWarning(view_ != nullptr && view_->isActiveWindow() ? view_ : window_, message, args);
}

void Measurements::announce() {
  emit changed();
  emit chartChanged();
}

bool Measurements::open(const QString& path) {
  if (opening_) {
    return false;  // one file at a time
  }
  opening_ = true;
  QFutureWatcher<std::variant<Opened, OpenFault>> reading;
  QEventLoop waiting;
  connect(&reading, &QFutureWatcherBase::finished, &waiting, &QEventLoop::quit);
  reading.setFuture(QtConcurrent::run(ReadMeasurementFile, path, panels_.line.frequencyMhz()));
  QProgressDialog progress(
      QStringLiteral("Opening %1\u2026").arg(QFileInfo(path).fileName()),
      QStringLiteral("Cancel"), 0, 0, window_);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.reset();  // hidden until the timer shows it
  bool cancelled = false;
  connect(&progress, &QProgressDialog::canceled, &waiting, [&] {
    cancelled = true;
    waiting.quit();
  });
  QTimer showProgress;
  showProgress.setSingleShot(true);
  connect(&showProgress, &QTimer::timeout, &progress, &QWidget::show);
  showProgress.start(kProgressAfterMs);
  if (!reading.isFinished()) {
    waiting.exec();
  }
  opening_ = false;
  // Done reading: the progress must not come up later over a box about the file.
  showProgress.stop();
  progress.hide();
  if (cancelled) {
    return false;  // the reading ends on its own; its result is dropped
  }
  auto result = reading.result();
  if (auto* fault = std::get_if<OpenFault>(&result)) {
    warn(*fault->message, fault->args);
    return false;
  }
  RememberFolderOf(path);
  accept(std::move(std::get<Opened>(result)));
  return true;
}

void Measurements::accept(Opened opened) {
  const int ports = opened.data.ports;
  ofPorts(ports) = std::move(opened);
  order_.erase(std::remove(order_.begin(), order_.end(), ports), order_.end());
  order_.push_back(ports);
  ++openedCount_;
  enableActions();
  show(ports);
  announce();
}

void Measurements::openWithDialog() {
  const QString path = QFileDialog::getOpenFileName(
      window_, QStringLiteral("Open measurement"), RecentFolder(),
      QStringLiteral("Touchstone files (*.s1p *.s2p *.ts *.S1P *.S2P *.TS);;All files (*)"));
  if (!path.isEmpty()) {
    open(path);
  }
}

void Measurements::enableActions() {
  const auto enable = [](QAction* action, const std::optional<Opened>& file, const QString& kind) {
    action->setEnabled(file.has_value());
    action->setToolTip(file ? QStringLiteral("Uses %1 at its chosen frequency").arg(file->name)
                            : QStringLiteral("Open a %1 first").arg(kind));
  };
  for (QAction* action : useActions_.mid(0, 3)) {
    enable(action, onePort_, QStringLiteral("1-port measurement (an antenna, a load)"));
  }
  enable(useActions_[3], twoPort_, QStringLiteral("2-port measurement (a tuner)"));
}

void Measurements::show(int ports) {
  shownPorts_ = ports;
  if (view_ == nullptr) {
    view_ = new MeasurementWindow(window_, useActions_, menuActions_);
    view_->installEventFilter(this);
    connect(view_, &MeasurementWindow::frequencyChosen, this, &Measurements::choose);
    connect(view_, &MeasurementWindow::fileChosen, this, &Measurements::showFile);
  }
  QStringList names;
  for (const int kind : order_) {
    names << ofPorts(kind)->name;
  }
  const auto position = std::find(order_.begin(), order_.end(), ports) - order_.begin();
  view_->setFiles(names, static_cast<int>(position));
  const Opened& opened = *ofPorts(ports);
  const calc::measurement::Measurement* values = ports == 2 ? opened.onVna() : &opened.data;
  view_->showMeasurement(opened.name, opened.data, values != nullptr ? *values : opened.data,
                         opened.chosen, opened.notes);
  ShowBeside(view_, window_);
  view_->raise();
}

void Measurements::showFile(int position) {
  if (position >= 0 && static_cast<std::size_t>(position) < order_.size()) {
    show(order_[static_cast<std::size_t>(position)]);
  }
}

void Measurements::choose(int index) {
  std::optional<Opened>& opened = ofPorts(shownPorts_);
  if (opened && index >= 0) {
    opened->chosen = index;
    announce();
  }
}

void Measurements::chooseNearest(int ports, double mhz) {
  std::optional<Opened>& opened = ofPorts(ports);
  if (!opened) {
    return;
  }
  const std::vector<double>& hz = opened->data.frequencyHz;
  const double wanted = mhz * calc::measurement::kHertzPerMegahertz;
  const auto nearest = std::min_element(hz.begin(), hz.end(), [wanted](double a, double b) {
    return std::abs(a - wanted) < std::abs(b - wanted);
  });
  opened->chosen = static_cast<int>(nearest - hz.begin());
  show(ports);
  announce();
}

void Measurements::showMarkers(const QString& text) {
  if (view_ != nullptr) {
    view_->showMarkers(text);
  }
}

bool Measurements::viewIsActive() const { return view_ != nullptr && view_->isActiveWindow(); }

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

}  // namespace tolvar::app

#include "moc_measurements.cpp"
