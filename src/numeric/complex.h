#pragma once

// The one complex type: reflection coefficients, S-parameters, waves and
// impedances R + jX [ohm] alike. Each operation spells its arithmetic out, in
// the order the calculators have always used, so that results keep their last
// bits: (a·b) is re·re − im·im, re·im + im·re; a / b is a·conj(b) / |b|², with
// |b|² = re² + im² (squares as in Square()). No operation checks its operands:
// a division by 0 raises the floating-point flag that FaultWatch sees.

#include <cmath>

#include "numeric/square.h"

namespace tolvar::numeric {

struct Complex {
  double re = 0;
  double im = 0;

  friend constexpr bool operator==(const Complex&, const Complex&) = default;
};

constexpr Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
constexpr Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
constexpr Complex operator-(Complex a) { return {-a.re, -a.im}; }
constexpr Complex operator*(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
constexpr Complex operator*(double k, Complex a) { return {k * a.re, k * a.im}; }
constexpr Complex Conj(Complex a) { return {a.re, -a.im}; }

// |a|², as re² + im².
inline double Norm(Complex a) { return Square(a.re) + Square(a.im); }
// |a|, correctly rounded from |a|².
inline double Abs(Complex a) { return std::sqrt(Norm(a)); }

inline Complex operator/(Complex a, Complex b) {
  const double d = Norm(b);
  return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

inline bool IsFinite(Complex a) { return std::isfinite(a.re) && std::isfinite(a.im); }

}  // namespace tolvar::numeric
