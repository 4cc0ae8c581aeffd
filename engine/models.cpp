#include "engine/models.h"

#include <algorithm>
#include <string>

#include "engine/transform_engine.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {

const Model* ModelKeyed(std::string_view key) {
  for (const Model* model : kModels) {
    if (model->key == key) return model;
  }
  return nullptr;
}

bool AdmitsControlCount(const Model& model, std::int64_t K) {
  const std::string name(model.name);
  const std::int64_t read = TransformEngine::ControlCount;
  const std::int64_t most = std::min(read, TransformEngine::kEstimationCapacity);
  // A file with fewer points than the model needs has no count to offer.
  if (K < model.minimum || most < model.minimum) {
    // "Insuffucuent" is kept on purpose, as users know the message; tests
    // compare it word for word. Do not correct it.
    MessageBox("Insuffucuent control for " + name + " solution.");
    return false;
  }
  if (K > most) {
    // One message, whichever limit the count passed, with the count that
    // is then taken: the file's where it holds no more than one estimation.
    const std::string limit =
        most == read ? ", the number the control file holds" : ", the most one estimation takes";
    MessageBox("The " + name + " solution can use at most " + CountOf(most, "control point") +
               limit + "; the count field asks for " + Int64ToString(K) + ".");
    return false;
  }
  return true;
}

}  // namespace korvanta
