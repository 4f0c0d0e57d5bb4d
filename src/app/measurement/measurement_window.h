#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "calc/measurement/touchstone.h"

class QAction;
class QComboBox;
class QLabel;

namespace tolvar::app {

class FrequencyList;

// The measurements at hand in a window of their own beside the main one
// (objectName "Measurement"): the files opened ("MeasurementFile", in the
// order opened), what the chosen one holds and what reading it repaired, a
// chooser of its frequencies ("MeasurementFrequency", row i the file's i-th
// point as read, after sorting), the values at the chosen one, the markers,
// and a button for each action that puts values into the panels. Files
// dropped on it open like files dropped on the main window.
class MeasurementWindow : public QWidget {
  Q_OBJECT

 public:
  // `buttons` get a button each; `menu` makes its context menu.
  MeasurementWindow(QWidget* parent, const QList<QAction*>& buttons, const QList<QAction*>& menu);

  // The files at hand, in the order opened, and the one shown.
  void setFiles(const QStringList& names, int shown);
  // Shows a measurement as read, its values from `values` (a 2-port's on
  // 50 ohm; both kept by the caller while shown) with the chooser at
  // `chosen`, and the notes of its reading, a line each.
  void showMeasurement(const QString& name, const calc::measurement::Measurement& asRead,
                       const calc::measurement::Measurement& values, int chosen,
                       const QStringList& notes);
  // The markers' lines, or none.
  void showMarkers(const QString& text);
  int chosen() const;

 signals:
  // The user has chosen the frequency of this index.
  void frequencyChosen(int /*index*/);
  // The user has chosen the file at this position of the list.
  void fileChosen(int /*position*/);

 private:
  void showValues(int index);

  const calc::measurement::Measurement* shown_ = nullptr;
  QComboBox* file_;
  QLabel* summary_;
  QLabel* notes_;
  QComboBox* frequency_;
  FrequencyList* frequencies_;
  QComboBox* form_;  // how a 2-port's values read: real and imaginary, or dB and angle
  QLabel* values_;
  QLabel* markers_;
};

// A frequency [Hz] as the measurement's texts show it: "7.1 MHz".
QString MegahertzText(double hertz);

}  // namespace tolvar::app
