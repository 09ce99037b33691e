#include "render/UniformLocations.h"

namespace dusk {

UniformLocations UniformLocations::of(GLuint program) {
    const auto at = [program](const char* name) { return glGetUniformLocation(program, name); };
    UniformLocations u;
    u.model = at("model");
    u.viewProj = at("view_proj");
    u.colorTexture = at("color_texture");
    u.lightDir = at("lightDir");
    u.lanterns = at("pLightPos");
    u.lanternCount = at("pLightCount");
    u.bones = at("gBones");
    u.shadowMap = at("shadowMap");
    u.textureSampler = at("myTextureSampler");
    u.biasVP = at("biasVP");
    u.depthViewProj = at("depth_view_proj");
    u.transparencyFlag = at("transparencyFlag");
    u.healthPercentage = at("healthPercentage");
    u.sceneTexture = at("sceneTexture");
    u.sightAreas = at("sightAreas");
    u.sightAreaCount = at("sightAreaCount");
    u.sightSeeingMask = at("sightSeeingMask");
    u.sightReach = at("sightReach");
    return u;
}

}  // namespace dusk
