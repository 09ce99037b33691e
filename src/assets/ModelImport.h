#pragma once
// The one way both model loaders hand a file to Assimp, with the guards the
// importer lacks.
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <string>

namespace dusk {

// Imports path with the given post-processing flags. Null (with the reason in
// error) when the import fails. A directory is treated as a missing file, by
// the model and by every file it names, so it fails with the importer's own
// "Unable to open file" text; a COLLADA document the importer would not
// survive (see colladaProblem) is refused without importing it.
const aiScene* importModel(Assimp::Importer& importer, const std::string& path, unsigned int flags,
                           std::string& error);

}  // namespace dusk
