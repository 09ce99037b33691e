// When each quality redraws the shadow map and regenerates the scene
// texture's mip levels.
#include <GL/glew.h>
#include <gtest/gtest.h>

#include "render/PassScheduler.h"

namespace dusk::test {
namespace {

ShadowMapInputs startInputs() {
    ShadowMapInputs inputs;
    inputs.size = 4096;
    inputs.polygonMode = GL_FILL;
    inputs.lightViewProjection = mat4(0.5f);
    inputs.casters = {mat4(1.0f), translate(mat4(1.0f), vec3(3.0f, 0.0f, 4.0f))};
    return inputs;
}

TEST(PassScheduler, FastRedrawsTheMapOnlyWhenSomethingItShowsChanged) {
    PassScheduler passes;
    const ShadowMapInputs start = startInputs();
    EXPECT_TRUE(passes.shadowMapNeedsDrawing(GraphicsQuality::Fast, start)) << "never drawn";
    passes.shadowMapDrawn(start);
    EXPECT_FALSE(passes.shadowMapNeedsDrawing(GraphicsQuality::Fast, start));
    EXPECT_FALSE(passes.shadowMapNeedsDrawing(GraphicsQuality::Low, start));
    EXPECT_TRUE(passes.shadowMapNeedsDrawing(GraphicsQuality::Exact, start)) << "every frame";

    std::vector<ShadowMapInputs> changes(5, start);
    changes[0].size = 2048;
    changes[1].polygonMode = GL_LINE;
    changes[2].lightViewProjection[3][0] = 0.25f;
    changes[3].casters[1][3][2] = 4.5f;
    changes[4].casters.pop_back();
    for (size_t i = 0; i < changes.size(); ++i) {
        EXPECT_TRUE(passes.shadowMapNeedsDrawing(GraphicsQuality::Fast, changes[i])) << i;
    }
    passes.shadowMapDrawn(changes[1]);
    EXPECT_TRUE(passes.shadowMapNeedsDrawing(GraphicsQuality::Fast, start)) << "F3 back off";
    passes.shadowMapDrawn(start);
    passes.forgetShadowMap();
    EXPECT_TRUE(passes.shadowMapNeedsDrawing(GraphicsQuality::Fast, start));
}

TEST(PassScheduler, FastRegeneratesMipLevelsOnlyWhileTheFilterSamplesThem) {
    PassScheduler passes;
    EXPECT_TRUE(passes.mipmapsNeeded(GraphicsQuality::Exact));
    EXPECT_FALSE(passes.mipmapsNeeded(GraphicsQuality::Fast)) << "a new target filters linearly";
    const struct {
        int filter;
        bool sampled;
    } steps[] = {{GL_NEAREST, false},
                 {GL_NEAREST_MIPMAP_NEAREST, true},
                 {0, true},  // a filter call that was skipped leaves the filter as it was
                 {GL_LINEAR_MIPMAP_LINEAR, true},
                 {GL_LINEAR, false},
                 {0, false}};
    for (const auto& step : steps) {
        passes.sceneFilterApplied(step.filter);
        EXPECT_EQ(passes.mipmapsNeeded(GraphicsQuality::Fast), step.sampled) << step.filter;
        EXPECT_EQ(passes.mipmapsNeeded(GraphicsQuality::Low), step.sampled) << step.filter;
        EXPECT_TRUE(passes.mipmapsNeeded(GraphicsQuality::Exact));
    }
    EXPECT_EQ(PassScheduler::shadowMapSize(GraphicsQuality::Exact), 4096);
    EXPECT_EQ(PassScheduler::shadowMapSize(GraphicsQuality::Fast), 4096);
    EXPECT_EQ(PassScheduler::shadowMapSize(GraphicsQuality::Low), 1024);
}

}  // namespace
}  // namespace dusk::test
