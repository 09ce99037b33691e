#pragma once
// Writes the kid as a COLLADA 1.4.1 document: one textured, skinned mesh, its
// joint hierarchy as nodes and the walk as matrix keys on the joints.
#include <string>

#include "Kid.h"

namespace artgen {

// textureFile is the image's name relative to the document (its <init_from>).
void writeCollada(const std::string& path, const KidRig& rig, const std::string& textureFile);

}  // namespace artgen
