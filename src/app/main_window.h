#pragma once

// How an event travels through Tolvar:
//   widget signal or focus event (only moves between the window's own controls)
//   -> a handler of MainWindow, run through RunHandler (arithmetic faults end it)
//   -> it reads each entry once (leading-number rule), shows the boxes of its checks
//   -> a calculator on plain values in calc/ computes the numbers and texts
//   -> the handler writes the texts back; a write into an entry field clears
//      the result fields that depend on it, exactly as typing does.

#include <QHash>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <initializer_list>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tolvar::app {
class EntryKeyGuard;
class FocusHandlers;
}  // namespace tolvar::app

namespace tolvar {

class MainWindow : public QWidget {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

 private:
  void buildControls();
  void applyEntryRules();
  void applyTabOrder();
  void connectHandlers();
  void startUp();

  QWidget* control(const QString& name) const;
  QLineEdit* entry(const QString& name) const;
  QPushButton* button(const QString& name) const;
  QComboBox* comboBox(const QString& name) const;

  // A modal warning box with an exclamation icon and one OK button.
  void warn(const QString& text, const QString& title);
  // Warns about a zero entry and writes "0.001" into it; the handler goes on.
  void replaceZero(QLineEdit* field, const QString& text, const QString& title);
  double value(const QString& field) const;
  void openGuide();

  // SWR, power, current and voltage panel.
  void connectSwrPanel();
  void computeSwr();
  void computePowerFromVoltage();
  void computeVoltageFromPower();
  void computePowerFromCurrent();
  void checkMeasuredResistance();

  // Input - output comparison panel and its tuner calculator.
  void connectComparisonPanel();
  void compareVoltages();
  void compareCurrents();
  void computeTunerLoss();
  void checkComparisonResistances();
  void emptyFields(std::initializer_list<const char*> names);
  void checkReflectionPart(const QString& field, const QString& text, const QString& title,
                           Qt::FocusReason reason);

  QHash<QString, QWidget*> controls_;
  app::EntryKeyGuard* keyGuard_ = nullptr;
  app::FocusHandlers* focusHandlers_ = nullptr;

  // Window values of the line calculator that start-up sets.
  struct LineWindowValues {
    double NL = 0;          // number of half-wave cycles
    std::int16_t CF = 0;    // 1 only while the power swap runs the line computation
    std::int16_t CONT = 0;  // highest index of the cable box
  } line_;
};

}  // namespace tolvar
