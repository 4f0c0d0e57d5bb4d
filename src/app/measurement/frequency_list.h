#pragma once

#include <QAbstractListModel>
#include <vector>

namespace tolvar::app {

// The fewest decimals (0 to kMostDecimals) at which every two neighbouring
// frequencies [MHz] read apart when rounded; kMostDecimals when even that
// does not tell them all apart.
inline constexpr int kMostDecimals = 9;
int DecimalsToTellApart(const std::vector<double>& mhz);

// The frequencies of a measurement as the chooser lists them: "7.100 MHz",
// every row with the same decimals. A model answers only the rows a view
// shows, so a list of a million points costs nothing until it opens.
class FrequencyList : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit FrequencyList(QObject* parent);

  // The frequencies [Hz], in the order of the file as read.
  void setFrequencies(const std::vector<double>& hertz);
  QString text(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<double> mhz_;
  int decimals_ = 0;
};

}  // namespace tolvar::app
