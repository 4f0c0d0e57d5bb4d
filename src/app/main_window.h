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
class ButtonPresses;
class EntryKeyGuard;
class FocusHandlers;
}  // namespace tolvar::app

namespace tolvar {

class MainWindow : public QWidget {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void buildControls();
  void applyEntryRules();
  void applyAccessibleNames();
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

  // Transmission-line panel.
  void connectLinePanel();
  bool manualLineData() const;
  void lookupCable();
  void loadLineParameters();
  void showCatalogueData();
  void showHalfWaveRange();
  void refreshLine(bool display, bool range);
  void refreshAfterLeaving(bool frequency);
  void chooseAutoMode();
  void chooseManualMode();
  void shiftEvent();
  void computeLine();
  void swapPower();
  void checkReflectionPart(const QString& field, const QString& text, const QString& title,
                           Qt::FocusReason reason);

  QHash<QString, QWidget*> controls_;
  app::EntryKeyGuard* keyGuard_ = nullptr;
  app::FocusHandlers* focusHandlers_ = nullptr;
  app::ButtonPresses* presses_ = nullptr;

  // Window values of the line calculator, kept between events.
  struct LineWindowValues {
    double NL = 0;          // half-wave cycle the slider spans, as the last run read it
    std::int16_t CF = 0;    // 1 only while the power swap runs the line computation
    std::int16_t CONT = 0;  // highest index of the cable box
    std::int16_t IND = 0;   // catalogue index of the current cable
    double LZL = 0;         // line impedance [ohm]
    double LVF = 0;         // velocity factor
    double LMHZ = 0;        // frequency of the last line computation [MHz]
    double PPP = 0;         // loss last shown in the loss field [dB / 100 m]
    double Watt = 0;        // power prepared by the last swap [W]
    double LPWR = 0;        // far-point power of the last run [W]
    double LPHI = 0;        // start point's phase of the last run [degrees]
    bool complete = false;  // the last run ended with a four-line result
  } line_;
};

}  // namespace tolvar
