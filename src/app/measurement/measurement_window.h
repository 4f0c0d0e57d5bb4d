#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "calc/measurement/touchstone.h"

class QAction;
class QComboBox;
class QLabel;

namespace tolvar::app {

// A measurement in a window of its own beside the main one (objectName
// "Measurement"): what the file holds, a chooser of its frequencies
// ("MeasurementFrequency", item i the file's i-th frequency, in MHz), the
// values at the chosen one, and a button for each action that puts them into
// the panels. Files dropped on it open like files dropped on the main window.
class MeasurementWindow : public QWidget {
  Q_OBJECT

 public:
  MeasurementWindow(QWidget* parent, const QList<QAction*>& actions);

  // Shows the measurement with the chooser at `chosen`.
  void showMeasurement(const QString& name, const calc::measurement::Measurement& measurement,
                       int chosen);
  int chosen() const;

 signals:
  // The user has chosen the frequency of this index.
  void frequencyChosen(int index);

 private:
  void showValues(int index);

  calc::measurement::Measurement shown_;
  QLabel* summary_;
  QComboBox* frequency_;
  QLabel* values_;
};

// A frequency [Hz] as the measurement's texts show it: "7.1 MHz".
QString MegahertzText(double hertz);

}  // namespace tolvar::app
