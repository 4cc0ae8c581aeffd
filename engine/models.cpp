#include "engine/models.h"

#include <string>

#include "engine/transform_engine.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {

const ModelFacts* ModelKeyed(std::string_view key) {
  for (const ModelFacts* model : kModels) {
    if (model->key == key) return model;
  }
  return nullptr;
}

bool AdmitsControlCount(const ModelFacts& model, std::int64_t K) {
  const std::string name(model.name);
  if (K < model.minimum) {
    MessageBox("Insuffucuent control for " + name + " solution.");
    return false;
  }
  const auto count = [](std::int64_t n) { return CountOf(n, "control point"); };
  if (K > TransformEngine::kEstimationCapacity) {
    MessageBox("The " + name + " solution can use at most " +
               Int64ToString(TransformEngine::kEstimationCapacity) +
               " control points; the count field asks for " + Int64ToString(K) + ".");
    return false;
  }
  if (K > TransformEngine::ControlCount) {
    MessageBox("The count field asks for " + count(K) + ", but the control file holds " +
               count(TransformEngine::ControlCount) + ".");
    return false;
  }
  return true;
}

}  // namespace korvanta
