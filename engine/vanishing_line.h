#pragma once

#include <cstdint>

// The projective model E = P / D, N = Q / D with D = a3·x + b3·y + 1 sends
// the line D = 0, its vanishing line, to infinity. On that line E and N do
// not exist; beyond it, on the other side from the control points, they are
// finite numbers that mean nothing.
namespace korvanta {

// Whether D = (x_term + y_term) + 1 lies on the vanishing line: within a few
// roundings of its own terms. The roundings are those of doubles, in which
// the points are given.
bool IsZeroDenominator(double D, double x_term, double y_term);

// Which side of the vanishing line (x, y) lies on: +1 or -1 by the sign of
// D, or 0 on the line.
int DenominatorSide(double a3, double b3, double x, double y);

// The side on which control points 1 to K lie under a3 and b3: +1 or -1, or
// 0 where they do not all lie on one side.
int ControlSide(double a3, double b3, std::int64_t K);

// After a projective transformation of points 1 to n under Coeff: one
// message naming the points on or beyond the vanishing line, if any.
// Points beyond are those on the other side than the control points of the
// estimation (TransformEngine::ProjectiveControlSide); where those lie on
// both sides, only points on the line are named.
void ReportBeyondVanishingLine(std::int64_t n);

}  // namespace korvanta
