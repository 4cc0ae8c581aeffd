#include <string>
#include <string_view>
#include <vector>

#include "engine/transform_engine.h"
#include "engine/transform_models.h"
#include "engine/vanishing_line.h"
#include "toolkit/core/atomic_file.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

std::string PointsWord(std::int64_t count) {
  return CountOf(count, "point");
}

// Refuses, with one message and before anything is shown or written, a
// transformation that has nowhere to go or would read rows that hold no
// point of the current points file (the count field can be edited).
bool AdmitsTransformation(const FolderItemRef& output, const FolderItemRef& points,
                          std::int64_t n) {
  if (!output) {
    MessageBox("Choose an output file before transforming.");
    return false;
  }
  if (n < 1) {
    MessageBox("Cannot transform " + PointsWord(n) + ": the point count must be at least 1.");
    return false;
  }
  if (n > TransformEngine::PointCount) {
    const std::string file =
        points ? "the points file \"" + points->Name() + "\"" : "the points file";
    MessageBox("Cannot transform " + PointsWord(n) + ": " + file + " holds " +
               PointsWord(TransformEngine::PointCount) + ".");
    return false;
  }
  return true;
}

// The one transformation routine; the models differ only in title,
// coefficient count and formulas. Every line is computed before the file is
// touched, and the file is written whole (see ReplaceFileLines) before the
// results window is titled, shown and given the lines: the window never shows
// lines that the file does not hold, and a failed write leaves it as it was.
// True when the file holds the lines.
bool Transform(const Model& model, std::int64_t n, const FolderItemRef& output,
               const FolderItemRef& points, ReportWindows& windows) {
  if (!AdmitsTransformation(output, points, n)) return false;
  const std::vector<std::string> lines = TransformedLines(model, n);
  const auto fail = [&](const std::string& reason, std::string_view afterwards) {
    MessageBox("Cannot write the output file \"" + output->Path().string() + "\": " + reason +
               ". " + std::string(afterwards));
    return false;
  };
  try {
    ReplaceFileLines(*output, lines);
  } catch (const IncompleteFileException& e) {
    return fail(e.Message() + " (error " + Str(e.ErrorNumber()) + ")",
                "The file may be incomplete.");
  } catch (const IOException& e) {
    return fail(e.Message() + " (error " + Str(e.ErrorNumber()) + ")",
                "Nothing was written; the file is as it was.");
  } catch (const FileKindException& e) {
    return fail(e.what(), "Nothing was written; the file is as it was.");
  }
  windows.ResultsWindow().SetTitle(std::string(model.results_title));
  windows.ResultsWindow().SetVisible(true);
  for (const auto& line : lines) windows.ResultsWindow().AddText(line + std::string(EndOfLine));
  return true;
}

}  // namespace

void TransformEngine::ConformalTrans(std::int64_t n) {
  Transform(kConformal, n, OutputFile, PointFile, Windows());
}

void TransformEngine::AffineTrans(std::int64_t n) {
  Transform(kAffine, n, OutputFile, PointFile, Windows());
}

void TransformEngine::ProjectiveTrans(std::int64_t n) {
  if (Transform(kProjective, n, OutputFile, PointFile, Windows())) {
    ReportBeyondVanishingLine(n);
  }
}

}  // namespace korvanta
