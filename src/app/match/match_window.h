#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "calc/match/band.h"
#include "numeric/complex.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace tolvar::app {

class MatchDesign;

// The Match window beside the calculator (objectName "Match"): the load, the
// frequency, the radio's R0, the power and the parts' Qs as entries (the
// main window's typing rules: dot decimals, a comma refused with the same
// warning), where the network goes (MatchPlace), and the networks that match
// the load, lowest loss first, each part with its value, reactance and what it
// bears at the power; a click chooses one. The designs follow every change of
// an entry as it is typed or set.
class MatchWindow : public QWidget {
  Q_OBJECT

 public:
  MatchWindow(QWidget* parent, MatchDesign& design, const QList<QAction*>& menu);

  // Puts a load [ohm] and, where given, its frequency [MHz] into the entries
  // as typed.
  void setLoad(numeric::Complex z, std::optional<double> mhz);
  // Where MatchPlace puts the network, whether or not the entries give a design.
  calc::match::Placement placement() const;

 private:
  void readEntries();
  void showDesigns();

  MatchDesign& design_;
  QList<QLineEdit*> entries_;  // in the order of the entries' table
  QComboBox* place_;
  QTreeWidget* solutions_;
  QLabel* notes_;
};

}  // namespace tolvar::app
