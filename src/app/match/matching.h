#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class QAction;
class QWidget;

namespace tolvar::app {

class LinePanel;
class MatchDesign;
class MatchSweep;
class MatchWindow;
class MeasurementWindow;
class Measurements;
class PanelMenus;
class SwrPanel;

// Designing the match: the Match window (actionDesignMatch, Ctrl+Shift+M),
// filled from a place of the calculator by actionMatchThis (the SWR panel's
// load; the line panel's far point; the chosen measured point, carried
// through the line to the radio's end when the network goes there and the
// line panel holds a line), and the designs out: actionCopyMatch (the
// networks as CSV), actionCopyMatchSweep (the matched band as CSV) and
// actionSaveMatchNetwork (the chosen network as a Touchstone 2-port).
class Matching : public QObject {
  Q_OBJECT

 public:
  struct Places {
    const SwrPanel& swr;
    const LinePanel& line;
    const Measurements& measurements;
    const PanelMenus& menus;
  };
  Matching(QWidget* window, MatchDesign& design, const MatchSweep& sweep, Places places);

  QAction* designAction() const { return designAction_; }
  QAction* matchThisAction() const { return matchThisAction_; }
  // Writes the chosen network with its Qs as a Touchstone 1.1 2-port on
  // 50 ohm at the open 1-port's frequencies, or at the design's alone, those
  // where it has no finite S-parameters (0 Hz) left out and counted in the
  // comment; false when there is no network, no frequency is left, or the
  // file cannot be written.
  bool saveNetwork(const QString& path) const;

 signals:
  // The Match window has been made: files dropped on it should open.
  void windowMade(QWidget* /*window*/);

 private:
  void openWindow();
  void matchThis();
  void copyMatch();
  void copyMatchSweep();
  void saveNetworkWithDialog();
  // The chosen network as a Touchstone file's text; none when there is no
  // network or no frequency at which it has finite S-parameters.
  std::optional<std::string> networkFile() const;

  QWidget* window_;
  MatchDesign& design_;
  const MatchSweep& sweep_;
  Places places_;
  MatchWindow* view_ = nullptr;
  QAction* designAction_;
  QAction* matchThisAction_;
  QAction* copyAction_;
  QAction* copySweepAction_;
  QAction* saveAction_;
};

}  // namespace tolvar::app
