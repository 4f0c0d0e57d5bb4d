#include "app/companion.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>

namespace tolvar::app {

namespace {

// Between windows, and what a window manager's frame adds at most (the
// companion's frame is not known before it first shows).
constexpr int kGap = 8;
constexpr QSize kFrameAllowance(16, 40);

bool Free(const QRect& place, const QRect& screen, const QRect& main,
          const std::vector<QRect>& taken) {
  if (!screen.contains(place) || place.intersects(main)) {
    return false;
  }
  return std::none_of(taken.begin(), taken.end(),
                      [&](const QRect& other) { return place.intersects(other); });
}

// The first free place of `size` in a column or row beside the calculator:
// `start` is its first position, `step` moves past an obstacle.
std::optional<QRect> FirstFree(QPoint start, QSize size, bool downwards, const QRect& screen,
                               const QRect& main, const std::vector<QRect>& taken) {
  QRect place(start, size);
  for (std::size_t tries = 0; tries <= taken.size(); ++tries) {
    if (Free(place, screen, main, taken)) {
      return place;
    }
    // Past the companion in the way, if one is.
    const auto blocking = std::find_if(taken.begin(), taken.end(),
                                       [&](const QRect& other) { return place.intersects(other); });
    if (blocking == taken.end()) {
      return std::nullopt;
    }
    if (downwards) {
      place.moveTop(blocking->bottom() + 1 + kGap);
    } else {
      place.moveLeft(blocking->right() + 1 + kGap);
    }
  }
  return std::nullopt;
}

std::optional<QRect> Place(QSize size, const QRect& main, const QRect& screen,
                           const std::vector<QRect>& taken) {
  const int right = main.right() + 1 + kGap;
  const int left = main.left() - kGap - size.width();
  const int below = main.bottom() + 1 + kGap;
  const int above = main.top() - kGap - size.height();
  const int level = std::max(screen.top(), main.top());
  const int aligned = std::max(screen.left(), main.left());
  // A column beside it from the screen's top, where it holds the most
  // companions, then level with the calculator.
  const std::array<std::pair<QPoint, bool>, 8> starts{{
      {{right, screen.top()}, true},
      {{right, level}, true},
      {{left, screen.top()}, true},
      {{left, level}, true},
      {{aligned, below}, false},
      {{screen.left(), below}, false},
      {{aligned, above}, false},
      {{screen.left(), above}, false},
  }};
  for (const auto& [start, downwards] : starts) {
    if (auto place = FirstFree(start, size, downwards, screen, main, taken)) {
      return place;
    }
  }
  return std::nullopt;
}

// How much of the calculator (counted twice) and of the other companions a
// place covers [square pixels].
long long Covered(const QRect& place, const QRect& main, const std::vector<QRect>& taken) {
  const auto area = [](const QRect& r) { return static_cast<long long>(r.width()) * r.height(); };
  long long covered = 2 * area(place.intersected(main));
  for (const QRect& other : taken) {
    covered += area(place.intersected(other));
  }
  return covered;
}

// No free place: the one inside the screen that covers least.
QRect LeastCovering(QSize size, const QRect& main, const QRect& screen,
                    const std::vector<QRect>& taken) {
  const int xs[] = {screen.left(), main.right() + 1 + kGap, main.left() - kGap - size.width(),
                    screen.right() + 1 - size.width()};
  const int ys[] = {screen.top(), main.top(), main.bottom() + 1 + kGap,
                    screen.bottom() + 1 - size.height()};
  QRect best;
  long long least = -1;
  for (const int x : xs) {
    for (const int y : ys) {
      const QRect place(QPoint(std::clamp(x, screen.left(), screen.right() + 1 - size.width()),
                               std::clamp(y, screen.top(), screen.bottom() + 1 - size.height())),
                        size);
      const long long covered = Covered(place, main, taken);
      if (least < 0 || covered < least) {
        least = covered;
        best = place;
      }
    }
  }
  return best;
}

}  // namespace

QRect PlaceBeside(const QRect& main, QSize wanted, QSize smallest, const QRect& screen,
                  const std::vector<QRect>& taken) {
  const QSize fitted = wanted.boundedTo(screen.size()).expandedTo(smallest);
  if (auto place = Place(fitted, main, screen, taken)) {
    return *place;
  }
  // Shrunk to the room beside the calculator, if the smallest size fits there.
  const int rightRoom = screen.right() - main.right() - kGap;
  const int leftRoom = main.left() - screen.left() - kGap;
  const int room = std::max(rightRoom, leftRoom);
  const QSize shrunk(std::clamp(room, smallest.width(), fitted.width()), fitted.height());
  if (auto place = Place(shrunk, main, screen, taken)) {
    return *place;
  }
  return LeastCovering(fitted, main, screen, taken);
}

void ShowBeside(QWidget* companion, QWidget* main) {
  if (companion->property("tolvarPlaced").toBool()) {
    companion->show();
    return;
  }
  companion->setProperty("tolvarPlaced", true);
  const QScreen* screen = main->screen();
  std::vector<QRect> taken;
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other != companion && other != main && other->isVisible() &&
        other->windowType() == Qt::Window) {
      taken.push_back(other->frameGeometry());
    }
  }
  const QRect place = PlaceBeside(main->frameGeometry(), companion->size() + kFrameAllowance,
                                  companion->minimumSize() + kFrameAllowance,
                                  screen->availableGeometry(), taken);
  // Not below the layout's minimum, which the window takes only as it shows:
  // corrected after showing, the size would move the window too, and the
  // window system would then take its place for the inside's, not the
  // frame's, putting the title bar above the screen.
  companion->resize((place.size() - kFrameAllowance).expandedTo(companion->minimumSizeHint()));
  companion->move(place.topLeft());
  companion->show();
}

}  // namespace tolvar::app
