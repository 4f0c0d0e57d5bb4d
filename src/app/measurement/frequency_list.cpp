#include "app/measurement/frequency_list.h"

#include <array>
#include <charconv>
#include <cmath>

#include "calc/measurement/touchstone.h"

namespace tolvar::app {

int DecimalsToTellApart(const std::vector<double>& mhz) {
  double scale = 1;
  for (int decimals = 0; decimals < kMostDecimals; ++decimals, scale *= 10) {
    bool apart = true;
    for (std::size_t i = 1; apart && i < mhz.size(); ++i) {
      apart = std::round(mhz[i - 1] * scale) != std::round(mhz[i] * scale);
    }
    if (apart) {
      return decimals;
    }
  }
  return kMostDecimals;
}

FrequencyList::FrequencyList(QObject* parent) : QAbstractListModel(parent) {}

void FrequencyList::setFrequencies(const std::vector<double>& hertz) {
  beginResetModel();
  mhz_.resize(hertz.size());
  for (std::size_t i = 0; i < hertz.size(); ++i) {
    mhz_[i] = hertz[i] / calc::measurement::kHertzPerMegahertz;
  }
  decimals_ = DecimalsToTellApart(mhz_);
  endResetModel();
}

QString FrequencyList::text(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= mhz_.size()) {
    return {};
  }
  // Fixed decimals with the dot, whatever the locale.
  std::array<char, 64> buffer{};
  const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                     mhz_[static_cast<std::size_t>(row)],
                                     std::chars_format::fixed, decimals_);
  return QString::fromLatin1(buffer.data(), printed.ptr - buffer.data()) +
         QStringLiteral(" MHz");
}

int FrequencyList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(mhz_.size());
}

QVariant FrequencyList::data(const QModelIndex& index, int role) const {
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
    return text(index.row());
  }
  return {};
}

}  // namespace tolvar::app

#include "moc_frequency_list.cpp"
