#pragma once

// Drives a Tolvar window with random user events and checks, after each one,
// what must always hold: the soak run's engine (its choices from a seeded
// generator). Every event can be
// written as one line and read back, so a run that breaks a property can be
// replayed and turned into a test.

#include <QObject>
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

namespace tolvar {
class MainWindow;
}

namespace tolvar::testing {

// Where the driver's choices come from.
class Choices {
 public:
  virtual ~Choices() = default;
  virtual int range(int low, int high) = 0;  // both included
  virtual std::string bytes(std::size_t most) = 0;
  bool coin() { return range(0, 1) == 1; }
};

// One user event: a verb, the control it is aimed at, and its text and number
// where it has them (what each means depends on the verb).
struct Event {
  QString verb{};
  QString target{};
  QString text{};
  int number = 0;
  int repeat = 1;  // the text pasted this many times over
};

// The event as one line of text, and back; none for a line that is not one.
QString Write(const Event& event);
std::optional<Event> Read(const QString& line);

// Records every modal box as it opens, as "title: text" (marked when it lacks
// the warning icon), and clicks its OK once the box's own event loop runs, as a
// person would, so that handlers that show boxes run to completion.
class BoxWatcher : public QObject {
 public:
  explicit BoxWatcher(QObject* parent = nullptr);
  QStringList boxes;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Closes every modal box right after it opens, keeps the desktop's document
// opener away and sets the program's style: once, before the first window.
void PrepareApplication();

class WindowDriver {
 public:
  explicit WindowDriver(MainWindow& window);
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;
  ~WindowDriver();

  Event randomEvent(Choices& choices);
  // Carries the event out. A press is made three times: the last two must
  // give the same texts; this, or a copy that shows a non-number, is
  // returned as a broken property.
  std::optional<QString> apply(const Event& event);
  // The properties that hold after every event: no field shows nan or inf;
  // every result field is empty, a known sentence or in its calculator's
  // layout; while the chart is open, its marks are those of the results on
  // screen, the line's far point with the R and X that LineResult shows.
  std::optional<QString> check() const;

 private:
  QWidget* control(const QString& name) const;
  QWidget* chart() const;

  MainWindow& window_;
  int hugePastes_ = 0;
};

}  // namespace tolvar::testing
