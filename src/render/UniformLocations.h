#pragma once
#include <GL/glew.h>

namespace dusk {

// Where a program keeps each uniform the game sends, by its name in the
// shaders; -1 for a name the program does not use (GL ignores an upload
// there). Arrays are found by their plain name, which is their element 0.
struct UniformLocations {
    GLint model = -1;             // "model"
    GLint viewProj = -1;          // "view_proj"
    GLint colorTexture = -1;      // "color_texture"
    GLint lightDir = -1;          // "lightDir"
    GLint lanterns = -1;          // "pLightPos"
    GLint lanternCount = -1;      // "pLightCount"
    GLint bones = -1;             // "gBones"
    GLint shadowMap = -1;         // "shadowMap"
    GLint textureSampler = -1;    // "myTextureSampler"
    GLint biasVP = -1;            // "biasVP"
    GLint depthViewProj = -1;     // "depth_view_proj"
    GLint transparencyFlag = -1;  // "transparencyFlag"
    GLint healthPercentage = -1;  // "healthPercentage"
    GLint sceneTexture = -1;      // "sceneTexture"
    GLint sightAreas = -1;        // "sightAreas"
    GLint sightAreaCount = -1;    // "sightAreaCount"
    GLint sightSeeingMask = -1;   // "sightSeeingMask"
    GLint sightReach = -1;        // "sightReach"

    // Looks every name up in a linked program.
    static UniformLocations of(GLuint program);
};

}  // namespace dusk
