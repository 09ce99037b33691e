#include "render/PassScheduler.h"

#include <GL/glew.h>

#include "render/ShadowMap.h"

namespace dusk {

bool ShadowMapInputs::operator==(const ShadowMapInputs& other) const {
    return size == other.size && polygonMode == other.polygonMode &&
           lightViewProjection == other.lightViewProjection && casters == other.casters;
}

int PassScheduler::shadowMapSize(GraphicsQuality quality) {
    return quality == GraphicsQuality::Low ? dusk::shadowMapSize / 4 : dusk::shadowMapSize;
}

bool PassScheduler::shadowMapNeedsDrawing(GraphicsQuality quality,
                                          const ShadowMapInputs& now) const {
    return quality == GraphicsQuality::Exact || !mapValid_ || !(now == drawn_);
}

void PassScheduler::shadowMapDrawn(const ShadowMapInputs& inputs) {
    drawn_ = inputs;
    mapValid_ = true;
}

bool PassScheduler::mipmapsNeeded(GraphicsQuality quality) const {
    return quality == GraphicsQuality::Exact || filterSamplesMipmaps_;
}

void PassScheduler::sceneFilterApplied(int filter) {
    switch (filter) {
        case 0:
            break;
        case GL_NEAREST_MIPMAP_NEAREST:
        case GL_LINEAR_MIPMAP_NEAREST:
        case GL_NEAREST_MIPMAP_LINEAR:
        case GL_LINEAR_MIPMAP_LINEAR:
            filterSamplesMipmaps_ = true;
            break;
        default:
            filterSamplesMipmaps_ = false;
    }
}

int minificationFilter(int mode, bool bilinear) {
    switch (mode) {
        case -1:
            return bilinear ? GL_LINEAR : GL_NEAREST;
        case 0:
            return bilinear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
        case 1:
            return bilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
        default:
            return 0;
    }
}

}  // namespace dusk
