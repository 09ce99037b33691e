#pragma once
// The static pieces of the clearing: ground, sky, the two trees with their
// shared atlas, and the game-over picture.
#include "Canvas.h"
#include "Mesh.h"

namespace artgen {

// Ground: the plane y = 0 from -90 to 90, a 36 x 36 grid, the texture repeating
// every 10 units.
Mesh buildGround();
// Dusky grass and earth, tiling seamlessly in both directions.
Canvas paintGround(int size);

// A sphere of the given radius around the origin, its front faces inside;
// longitude-latitude texture coordinates (u = 0.5 looks along +z, v = 1 at the zenith).
Mesh buildSky(float radius);
// Longitude-latitude dusk sky (width = 2 x height): gradient, glow where the sun
// set, clouds, stars, the moon toward (1, 1, 1) and a far tree line; the left and
// right edges match.
Canvas paintSky(int width, int height);
// Unit direction of the sky at a pixel centre (row 0 at the zenith).
vec3 skyDirection(int x, int y, int width, int height);

// Regions of the tree atlas.
extern const UvRect kBarkRect;
extern const UvRect kNeedleRect;
extern const UvRect kLeafRect;
// The layered conifer (tree1) and the broadleaf with a lumpy crown (tree3),
// standing on y = 0 at the origin with a trunk of radius 0.5.
Mesh buildConifer();
Mesh buildBroadleaf();
Canvas paintTreeAtlas(int size);

// A dark 1024 x 512 picture with a large GAME OVER in block letters.
Canvas paintGameOver();

// The application icon, size x size with transparent rounded corners.
Canvas paintIcon(int size);

}  // namespace artgen
