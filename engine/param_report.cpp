#include "engine/param_report.h"

#include "engine/models.h"
#include "engine/transform_engine.h"
#include "toolkit/core/text.h"

namespace korvanta {

std::vector<std::string> ParamReportPieces(std::int64_t df, std::int64_t n) {
  const std::string eol(EndOfLine);
  std::vector<std::string> pieces{Int64ToString(df) + " degrees of freedom" + eol + eol};
  for (std::int64_t i = 1; i <= n; ++i) {
    pieces.push_back(TransformEngine::CoeffID(i) + "=  " +
                     DoubleToString(TransformEngine::Coeff(i, 1)) + "   \xC2\xB1" +
                     DoubleToString(TransformEngine::Coeff(i, 2)) + eol);
  }
  return pieces;
}

// The report replaces whatever the window held, title included; each step
// asks for the window anew, as the window may have been closed meanwhile.
void TransformEngine::ShowParam(std::string_view key, std::int64_t df, std::int64_t n) {
  const std::vector<std::string> pieces = ParamReportPieces(df, n);
  Windows().ParamWindow().SetText("");
  Windows().ParamWindow().SetTitle("");
  Windows().ParamWindow().SetVisible(true);
  if (const Model* model = ModelKeyed(key)) {
    Windows().ParamWindow().SetTitle(std::string(model->param_title));
  }
  for (const auto& piece : pieces) Windows().ParamWindow().AddText(piece);
}

}  // namespace korvanta
