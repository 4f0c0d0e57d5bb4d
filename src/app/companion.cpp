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
  const int top = std::max(screen.top(), main.top());
  const int left = std::max(screen.left(), main.left());
  const std::array<std::pair<QPoint, bool>, 4> starts{{
      {{main.right() + 1 + kGap, top}, true},                   // right
      {{main.left() - kGap - size.width(), top}, true},         // left
      {{left, main.bottom() + 1 + kGap}, false},                // below
      {{left, main.top() - kGap - size.height()}, false},       // above
  }};
  for (const auto& [start, downwards] : starts) {
    if (auto place = FirstFree(start, size, downwards, screen, main, taken)) {
      return place;
    }
  }
  return std::nullopt;
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
  // Nowhere free: at the screen's right edge, over as little of the calculator as may be.
  return {QPoint(screen.right() + 1 - fitted.width(), screen.top()), fitted};
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
  companion->resize(place.size() - kFrameAllowance);
  companion->move(place.topLeft());
  companion->show();
}

}  // namespace tolvar::app
