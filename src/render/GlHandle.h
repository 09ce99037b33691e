#pragma once
// Owning handles for GL object names.
#include <GL/glew.h>

#include <utility>

namespace dusk {

// The kinds of GL object a handle can own; each is freed with its own call.
enum class GlKind { Buffer, VertexArray, Texture, Framebuffer, Program, Shader };

// Makes a new name of a kind that glGen* makes (Buffer, VertexArray, Texture,
// Framebuffer); 0 for the other kinds, which glCreate* makes with arguments.
GLuint generateGlName(GlKind kind);
// Frees a name of the kind (the context that made it must be current); 0 is
// ignored.
void deleteGlName(GlKind kind, GLuint name);

// One GL name, freed with the handle. Moving hands the name over and leaves
// the source empty (0); a handle cannot be copied. An empty handle frees
// nothing and needs no context.
template <GlKind Kind>
class GlHandle {
public:
    GlHandle() = default;
    // Takes over a name made elsewhere (glCreateProgram, glCreateShader).
    explicit GlHandle(GLuint name) : name_(name) {}
    // A new name made by glGen*.
    static GlHandle generate() { return GlHandle(generateGlName(Kind)); }
    ~GlHandle() { reset(); }
    GlHandle(GlHandle&& other) noexcept : name_(std::exchange(other.name_, 0)) {}
    GlHandle& operator=(GlHandle&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.name_, 0));
        }
        return *this;
    }
    GlHandle(const GlHandle&) = delete;
    GlHandle& operator=(const GlHandle&) = delete;

    GLuint get() const { return name_; }
    explicit operator bool() const { return name_ != 0; }
    // Frees the name held and holds name instead.
    void reset(GLuint name = 0) {
        if (name_ != 0) {
            deleteGlName(Kind, name_);
        }
        name_ = name;
    }

private:
    GLuint name_ = 0;
};

using GlBuffer = GlHandle<GlKind::Buffer>;
using GlVertexArray = GlHandle<GlKind::VertexArray>;
using GlTexture = GlHandle<GlKind::Texture>;
using GlFramebuffer = GlHandle<GlKind::Framebuffer>;
using GlProgram = GlHandle<GlKind::Program>;
using GlShader = GlHandle<GlKind::Shader>;

}  // namespace dusk
