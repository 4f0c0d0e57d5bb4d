#include "app/measurement/measurement_window.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/controls.h"
#include "app/measurement/frequency_list.h"
#include "app/measurement/measurement_values.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;
using calc::measurement::Measurement;

QLabel* SelectableLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QHBoxLayout* ButtonRow(QWidget* window, const QList<QAction*>& actions) {
  auto* buttons = new QHBoxLayout;
  for (QAction* action : actions) {
    auto* button = new QPushButton(action->text(), window);
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->toolTip());
    QObject::connect(action, &QAction::changed, button, [button, action] {
      button->setEnabled(action->isEnabled());
      button->setToolTip(action->toolTip());
    });
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    buttons->addWidget(button);
  }
  return buttons;
}

}  // namespace

QString MegahertzText(double hertz) {
  return ToQString(numeric::ShortestText(hertz / kHertzPerMegahertz)) + QStringLiteral(" MHz");
}

MeasurementWindow::MeasurementWindow(QWidget* parent, const QList<QAction*>& buttons,
                                     const QList<QAction*>& menu)
    : QWidget(parent, Qt::Window),
      file_(new QComboBox(this)),
      summary_(SelectableLabel(this)),
      notes_(SelectableLabel(this)),
      frequency_(new QComboBox(this)),
      frequencies_(new FrequencyList(this)),
      form_(new QComboBox(this)),
      values_(SelectableLabel(this)),
      markers_(SelectableLabel(this)) {
  setObjectName(QStringLiteral("Measurement"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 measurement"));
  setAcceptDrops(true);
  file_->setObjectName(QStringLiteral("MeasurementFile"));
  file_->setAccessibleName(QStringLiteral("Measurement file"));
  frequency_->setObjectName(QStringLiteral("MeasurementFrequency"));
  frequency_->setAccessibleName(QStringLiteral("Frequency of the measurement"));
  // A sweep may hold a million points: the list is a model, the box sized by
  // a length, not by measuring every item, its rows of one height.
  constexpr int kShownCharacters = 16;
  frequency_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  frequency_->setMinimumContentsLength(kShownCharacters);
  frequency_->setModel(frequencies_);
  if (auto* list = qobject_cast<QListView*>(frequency_->view())) {
    list->setUniformItemSizes(true);
  }
  form_->addItems({QStringLiteral("re + j im"), QStringLiteral("dB and angle")});
  form_->setAccessibleName(QStringLiteral("How the S-parameters read"));
  notes_->setWordWrap(true);
  markers_->setWordWrap(true);
  values_->setWordWrap(true);
  constexpr QSize kDefaultSize(560, 440);
  resize(kDefaultSize);

  auto* chooser = new QFormLayout;
  chooser->addRow(QStringLiteral("F&ile:"), file_);
  chooser->addRow(QStringLiteral("&Frequency:"), frequency_);
  chooser->addRow(QStringLiteral("&S as:"), form_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(chooser);
  layout->addWidget(summary_);
  layout->addWidget(notes_);
  layout->addWidget(values_);
  layout->addWidget(markers_);
  layout->addStretch();
  layout->addLayout(ButtonRow(this, buttons));
  addActions(menu);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(frequency_, &QComboBox::currentIndexChanged, this, [this](int index) {
    showValues(index);
    emit frequencyChosen(index);
  });
  connect(file_, &QComboBox::activated, this, &MeasurementWindow::fileChosen);
  connect(form_, &QComboBox::currentIndexChanged, this, [this] { showValues(chosen()); });
}

void MeasurementWindow::setFiles(const QStringList& names, int shown) {
  const QSignalBlocker quiet(file_);
  file_->clear();
  file_->addItems(names);
  file_->setCurrentIndex(shown);
}

void MeasurementWindow::showMeasurement(const QString& name, const Measurement& asRead,
                                        const Measurement& values, int chosen,
                                        const QStringList& notes) {
  const Measurement& measurement = asRead;
  shown_ = &values;
  summary_->setText(name + QStringLiteral("\n") + QString::number(measurement.ports) +
                    QStringLiteral("-port, reference ") +
                    ToQString(numeric::ShortestText(measurement.referenceOhm)) +
                    QStringLiteral(" ohm, ") + QString::number(measurement.frequencyHz.size()) +
                    QStringLiteral(" points, ") + MegahertzText(measurement.frequencyHz.front()) +
                    QStringLiteral(" to ") + MegahertzText(measurement.frequencyHz.back()));
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!notes.isEmpty());
  form_->setEnabled(measurement.ports == 2);
  const QSignalBlocker quiet(frequency_);
  frequencies_->setFrequencies(measurement.frequencyHz);
  frequency_->setCurrentIndex(chosen);
  showValues(chosen);
}

void MeasurementWindow::showMarkers(const QString& text) {
  markers_->setText(text);
  markers_->setVisible(!text.isEmpty());
}

int MeasurementWindow::chosen() const { return frequency_->currentIndex(); }

void MeasurementWindow::showValues(int index) {
  if (shown_ == nullptr || index < 0 ||
      static_cast<std::size_t>(index) >= shown_->frequencyHz.size()) {
    values_->clear();
    return;
  }
  const auto i = static_cast<std::size_t>(index);
  const SForm form = form_->currentIndex() == 1 ? SForm::DecibelsAngle : SForm::RealImaginary;
  values_->setText(shown_->ports == 1 ? OnePortValues(*shown_, i)
                                      : TwoPortValues(*shown_, i, form));
}

}  // namespace tolvar::app

#include "moc_measurement_window.cpp"
