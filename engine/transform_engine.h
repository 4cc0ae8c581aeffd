#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/report_windows.h"
#include "toolkit/core/arrays.h"
#include "toolkit/core/folder_item.h"

namespace korvanta {

// The transformation engine: the shared arrays, the main window's three file
// references and the operations on them. The main window derives from it, so
// the operations are the window's own methods, yet the engine builds and
// tests without any window.
class TransformEngine {
 public:
  // Capacities that follow from the arrays and from one adjustment.
  static constexpr std::int64_t kControlCapacity = 25;
  static constexpr std::int64_t kPointCapacity = 50;
  static constexpr std::int64_t kEstimationCapacity = 10;
  // Rows of Coeff and entries of CoeffID: room for any model's coefficients.
  static constexpr std::int64_t kCoefficientRows = 10;

  // Class-level: one copy for the whole run, created before any window.
  static DoubleArray2 Coeff;  // (10, 2): value and standard deviation
  static TextArray1 CoeffID;  // (10): labels
  static TextArray2 Control;  // (25, 5): ID, E, N, x, y as read
  static TextArray2 Points;   // (50, 3): ID, x, y as read
  // Lines held by Control and Points from the last file read successfully.
  static std::int64_t ControlCount;
  static std::int64_t PointCount;
  // The side of the vanishing line on which the control points of the last
  // projective estimation lie: +1 or -1, or 0 where they lie on both sides
  // (see vanishing_line.h).
  static int ProjectiveControlSide;

  explicit TransformEngine(ReportWindows* windows = nullptr) : windows_(windows) {}
  virtual ~TransformEngine();
  TransformEngine(const TransformEngine&) = delete;
  TransformEngine& operator=(const TransformEngine&) = delete;

  FolderItemRef ControlFile;
  FolderItemRef OutputFile;
  FolderItemRef PointFile;

  // Load ControlFile or PointFile and give the number of lines read. A file
  // that fails its checks gives one message naming the file, the line and the
  // problem, leaves the array as it was, and gives nothing.
  std::optional<std::int64_t> ReadControl();
  std::optional<std::int64_t> ReadPoints();

  // Estimate from control points 1 to K into Coeff and CoeffID. True when the
  // coefficients are there to report; false after a message (K beyond what
  // was read or what one estimation holds, degenerate geometry, a failed
  // projective pass), with Coeff and CoeffID as the caller cleared them.
  bool ConformalParam(std::int64_t K);
  bool AffineParam(std::int64_t K);
  bool ProjectiveParam(std::int64_t K);
  void SaveCoeff(const DoubleArray2& X, std::int64_t n);

  // The coefficient report in the coefficients window.
  void ShowParam(std::string_view key, std::int64_t df, std::int64_t n);

  // Transform points 1 to n into OutputFile and the results window.
  void ConformalTrans(std::int64_t n);
  void AffineTrans(std::int64_t n);
  // Then names the points on or beyond the fit's vanishing line.
  void ProjectiveTrans(std::int64_t n);

 protected:
  ReportWindows& Windows();

 private:
  ReportWindows* windows_;
};

}  // namespace korvanta
