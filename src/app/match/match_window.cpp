#include "app/match/match_window.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/controls/controls.h"
#include "app/controls/event_filters.h"
#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "app/match/match_design.h"
#include "app/match/match_texts.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/significant.h"

namespace tolvar::app {

namespace {

// The window's entries, in this order: objectName, caption, unit, start text.
struct MatchEntry {
  const char* name;
  const char* caption;
  const char* unit;
  const char* start;
  KeyFilter filter;
};
enum Entry { LoadR, LoadX, Mhz, ReferenceR, PowerW, InductorQ, CapacitorQ, OutputPf };
constexpr MatchEntry kEntries[] = {
    {"MatchLoadR", "Load &R", "ohm", "", KeyFilter::Short},
    {"MatchLoadX", "Load &X", "ohm", "", KeyFilter::Signed},
    {"MatchMHz", "&MHz", "", "", KeyFilter::Short},
    {"MatchReferenceR", "Radio R&0", "ohm", "50", KeyFilter::Short},
    {"MatchPowerW", "&Power in", "W", "100", KeyFilter::Short},
    {"MatchInductorQ", "Q of the &inductors", "", "200", KeyFilter::Short},
    {"MatchCapacitorQ", "Q of the &capacitors", "", "1000", KeyFilter::Short},
    {"MatchOutputPF", "T's &output C", "pF", "200", KeyFilter::Short},
};

QString Shortest(double value) { return ToQString(numeric::ShortestText(value)); }

}  // namespace

MatchWindow::MatchWindow(QWidget* parent, MatchDesign& design, const QList<QAction*>& menu)
    : QWidget(parent, Qt::Window),
      design_(design),
      place_(new QComboBox(this)),
      solutions_(new QTreeWidget(this)),
      notes_(new QLabel(this)) {
  setObjectName(QStringLiteral("Match"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 match"));
  auto* guard = new EntryKeyGuard(this);
  connect(guard, &EntryKeyGuard::commaRefused, this, [this] { ShowWarning(this, kUseDot); });
  auto* grid = new QGridLayout;
  int index = 0;
  for (const MatchEntry& entry : kEntries) {
    auto* field = new QLineEdit(QString::fromLatin1(entry.start), this);
    field->setObjectName(QString::fromLatin1(entry.name));
    guard->guard(field, entry.filter);
    auto* caption = new QLabel(QString::fromUtf8(entry.caption), this);
    caption->setBuddy(field);
    const int row = index / 2;
    const int column = (index % 2) * 3;
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(new QLabel(QString::fromLatin1(entry.unit), this), row, column + 2);
    connect(field, &QLineEdit::textChanged, this, &MatchWindow::readEntries);
    entries_ << field;
    ++index;
  }
  place_->setObjectName(QStringLiteral("MatchPlace"));
  place_->addItems({QStringLiteral("at the radio"), QStringLiteral("at the antenna")});
  auto* placeCaption = new QLabel(QStringLiteral("Network pl&aced"), this);
  placeCaption->setBuddy(place_);
  grid->addWidget(placeCaption, index / 2, 0);
  grid->addWidget(place_, index / 2, 1, 1, 2);
  connect(place_, &QComboBox::currentIndexChanged, this, &MatchWindow::readEntries);

  solutions_->setObjectName(QStringLiteral("MatchSolutions"));
  solutions_->setHeaderHidden(true);
  // Rows of one height, not measured one by one: the list is drawn anew at
  // every keystroke.
  solutions_->setUniformRowHeights(true);
  solutions_->setAccessibleName(QStringLiteral("Matching networks, lowest loss first"));
  connect(solutions_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    QTreeWidgetItem* top = item->parent() != nullptr ? item->parent() : item;
    design_.choose(solutions_->indexOfTopLevelItem(top));
  });
  notes_->setWordWrap(true);
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(solutions_, 1);
  layout->addWidget(notes_);
  addActions(menu);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  constexpr QSize kDefaultSize(560, 520);
  resize(kDefaultSize);
  connect(&design_, &MatchDesign::changed, this, &MatchWindow::showDesigns);
  readEntries();
}

void MatchWindow::setLoad(numeric::Complex z, std::optional<double> mhz) {
  const numeric::Complex entered = numeric::AsEntered(z);
  {
    // One reading of the whole load: a design of its R with the old X would
    // move the chosen network.
    const QSignalBlocker quietR(entries_[LoadR]);
    const QSignalBlocker quietX(entries_[LoadX]);
    const QSignalBlocker quietMhz(entries_[Mhz]);
    entries_[LoadR]->setText(Shortest(entered.re));
    entries_[LoadX]->setText(Shortest(entered.im));
    if (mhz) {
      entries_[Mhz]->setText(Shortest(numeric::AsEntered(*mhz)));
    }
  }
  readEntries();
}

calc::match::Placement MatchWindow::placement() const {
  return place_->currentIndex() == 1 ? calc::match::Placement::AtAntenna
                                     : calc::match::Placement::AtRadio;
}

void MatchWindow::readEntries() {
  try {
    const auto value = [this](Entry entry) {
      return numeric::ReadEntryValue(entries_[entry]->text().toStdString());
    };
    MatchInputs inputs;
    inputs.design = {{value(LoadR), value(LoadX)}, value(ReferenceR), value(Mhz)};
    inputs.powerW = value(PowerW);
    inputs.qualities = {value(InductorQ), value(CapacitorQ)};
    inputs.outputPf = value(OutputPf);
    inputs.placement = placement();
    const QString fault = MatchInputsFault(inputs);
    design_.setInputs(fault.isEmpty() ? std::optional(inputs) : std::nullopt, fault);
  } catch (const numeric::ArithmeticFault&) {
    design_.setInputs(std::nullopt, QStringLiteral("An entry is too large to compute with."));
  }
}

void MatchWindow::showDesigns() {
  const QSignalBlocker quiet(solutions_);
  solutions_->clear();
  const auto& solutions = design_.solutions();
  for (std::size_t i = 0; i < solutions.size(); ++i) {
    auto* item = new QTreeWidgetItem(solutions_, {SolutionText(i + 1, solutions[i])});
    for (const QString& line : ElementLines(solutions[i])) {
      new QTreeWidgetItem(item, {line});
    }
    item->setExpanded(true);
    QFont font = item->font(0);
    font.setBold(static_cast<int>(i) == design_.chosen());
    item->setFont(0, font);
  }
  if (QTreeWidgetItem* chosen = solutions_->topLevelItem(design_.chosen())) {
    solutions_->setCurrentItem(chosen);
  }
  notes_->setText(design_.notes());
  notes_->setVisible(!design_.notes().isEmpty());
}

}  // namespace tolvar::app

#include "moc_match_window.cpp"
