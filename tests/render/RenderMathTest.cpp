// Window-free rendering maths: cull planes, the view frustum, shadow matrices.
#include <gtest/gtest.h>

#include "render/ShadowMap.h"
#include "render/ViewFrustum.h"

namespace dusk {
namespace {

TEST(CullPlane, throughThreePointsCountsDistanceAlongItsNormal) {
    CullPlane plane;
    EXPECT_EQ(plane.distance(vec3(3, 4, 5)), 0.0f) << "a new plane is the zero plane";
    plane.setPoints(vec3(0, 0, 0), vec3(1, 0, 0), vec3(0, 1, 0));
    EXPECT_EQ(plane.normal, vec3(0, 0, 1));
    EXPECT_EQ(plane.d, 0.0f);
    EXPECT_EQ(plane.distance(vec3(0, 0, 5)), 5.0f);

    plane.setPoints(vec3(0, 2, 0), vec3(0, 2, 1), vec3(1, 2, 0));  // y = 2, facing up
    EXPECT_NEAR(plane.distance(vec3(7, 5, -3)), 3.0f, 1e-6f);
    plane.setPoints(vec3(0), vec3(1, 1, 1), vec3(2, 2, 2));  // a line spans no plane
    EXPECT_NEAR(plane.distance(vec3(7, 5, -3)), 3.0f, 1e-6f);
}

// Six copies of the plane x = 0 facing +x: a sphere's verdict then depends
// on its x alone.
ViewFrustum allPlanesFacingPlusX() {
    ViewFrustum frustum;
    for (CullPlane& plane : frustum.planes) {
        plane.setPoints(vec3(0, 0, 0), vec3(0, 1, 0), vec3(0, 0, 1));
    }
    return frustum;
}

TEST(ViewFrustum, sphereVerdictsAtTheBoundaries) {
    const ViewFrustum frustum = allPlanesFacingPlusX();
    EXPECT_EQ(frustum.sphereInFrustum(vec3(-49, 0, 0), 50), ViewFrustum::Intersecting);
    EXPECT_EQ(frustum.sphereInFrustum(vec3(-50, 0, 0), 50), ViewFrustum::Intersecting);
    EXPECT_EQ(frustum.sphereInFrustum(vec3(-50.5f, 0, 0), 50), ViewFrustum::Outside);
    EXPECT_EQ(frustum.sphereInFrustum(vec3(50, 0, 0), 50), ViewFrustum::Inside);
    EXPECT_EQ(frustum.sphereInFrustum(vec3(49, 0, 0), 50), ViewFrustum::Intersecting);
    EXPECT_EQ(ViewFrustum().sphereInFrustum(vec3(1e6f), 0.1f), ViewFrustum::Intersecting)
        << "an unplaced frustum calls everything intersecting";
}

class CameraFrustum : public ::testing::Test {
protected:
    // The game's camera projection; eye 2 above the origin looking along dir.
    ViewFrustum looking(const vec3& dir, float mirror = 1.0f) {
        const mat4 projection = perspective(1.0471975803375244f, 16.0f / 9.0f, 0.1f, 1000.0f);
        const vec3 eye(0, 2, 0);
        const mat4 view =
            glm::scale(mat4(1.0f), vec3(mirror, 1, 1)) * lookAt(eye, eye + dir, vec3(0, 1, 0));
        ViewFrustum frustum;
        frustum.update(projection, view);
        return frustum;
    }
};

TEST_F(CameraFrustum, seesWhatIsInFrontAndTurnsWithTheCamera) {
    const ViewFrustum north = looking(vec3(0, 0, -1));
    EXPECT_EQ(north.sphereInFrustum(vec3(0, 7, -50), 5), ViewFrustum::Inside);
    EXPECT_EQ(north.sphereInFrustum(vec3(0, 7, 50), 5), ViewFrustum::Outside);
    EXPECT_EQ(north.sphereInFrustum(vec3(400, 7, -50), 5), ViewFrustum::Outside) << "far right";
    EXPECT_EQ(north.sphereInFrustum(vec3(0, 7, -1100), 5), ViewFrustum::Outside) << "beyond far";
    EXPECT_EQ(north.sphereInFrustum(vec3(0, 2, 0), 1), ViewFrustum::Intersecting) << "at the eye";
    // A tree's sphere (radius 50) just behind the camera still reaches into view.
    EXPECT_EQ(north.sphereInFrustum(vec3(0, 7, 30), 50), ViewFrustum::Intersecting);

    const ViewFrustum south = looking(vec3(0, 0, 1));
    EXPECT_EQ(south.sphereInFrustum(vec3(0, 7, -50), 5), ViewFrustum::Outside);
    EXPECT_EQ(south.sphereInFrustum(vec3(0, 7, 50), 5), ViewFrustum::Inside);
    // A mirrored view flips the winding of every plane: still inward.
    EXPECT_EQ(looking(vec3(0, 0, -1), -1.0f).sphereInFrustum(vec3(0, 7, -50), 5),
              ViewFrustum::Inside);
}

vec3 toShadowMap(const vec3& world, const vec3& direction) {
    const vec4 p = biasViewProjection(depthViewProjection(direction)) * vec4(world, 1.0f);
    return vec3(p) / p.w;
}

TEST(ShadowMatrices, mapTheLightsBoxOntoTheTexture) {
    const vec3 sun(1.0f);
    const vec3 origin = toShadowMap(vec3(0), sun);
    EXPECT_NEAR(origin.x, 0.5f, 1e-6f);
    EXPECT_NEAR(origin.y, 0.5f, 1e-6f);
    EXPECT_NEAR(origin.z, 1.0f / 3.0f, 1e-6f);
    // Along the light: 100 toward it is the near face, 200 away the far face.
    const vec3 axis = glm::normalize(sun);
    EXPECT_NEAR(toShadowMap(100.0f * axis, sun).z, 0.0f, 1e-5f);
    EXPECT_NEAR(toShadowMap(-200.0f * axis, sun).z, 1.0f, 1e-5f);
    // Across it: 100 units sideways (horizontal, so along the map's x) is the edge.
    const vec3 side = glm::normalize(glm::cross(-axis, vec3(0, 1, 0)));
    EXPECT_NEAR(toShadowMap(100.0f * side, sun).x, 1.0f, 1e-5f);
    EXPECT_NEAR(toShadowMap(-100.0f * side, sun).x, 0.0f, 1e-5f);
    // The play area out to its walls fits in the map (only the two corners
    // across the light, 106 units off its axis, fall outside).
    for (const vec3& wall : {vec3(75, 1, 0), vec3(-75, 1, 0), vec3(0, 1, 75), vec3(0, 1, -75)}) {
        const vec3 t = toShadowMap(wall, sun);
        EXPECT_TRUE(t.x > 0 && t.x < 1 && t.y > 0 && t.y < 1 && t.z > 0 && t.z < 1);
    }
    // A sun straight overhead still gives a usable map.
    const vec3 noon = toShadowMap(vec3(0, -200, 0), vec3(0, 1, 0));
    EXPECT_NEAR(noon.z, 1.0f, 1e-5f);
    EXPECT_NEAR(noon.x, 0.5f, 1e-5f);
}

}  // namespace
}  // namespace dusk
