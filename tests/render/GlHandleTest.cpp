// GL names with one owner: freed with the handle, handed over by a move, and
// each kind freed by its own call.
#include <utility>

#include "render/GlHandle.h"
#include "support/GlTest.h"

namespace dusk::test {
namespace {

using GlHandleTest = GlTest;

TEST_F(GlHandleTest, AMoveHandsTheNameOverAndTheLastOwnerFreesIt) {
    GLuint name = 0;
    GLuint replaced = 0;
    {
        GlBuffer first = GlBuffer::generate();
        name = first.get();
        glBindBuffer(GL_ARRAY_BUFFER, name);  // a buffer object exists once bound
        GlBuffer taker(std::move(first));
        EXPECT_EQ(first.get(), 0u);
        EXPECT_FALSE(first);
        EXPECT_EQ(taker.get(), name);
        EXPECT_TRUE(glIsBuffer(name)) << "a move frees nothing";

        GlBuffer other = GlBuffer::generate();
        replaced = other.get();
        glBindBuffer(GL_ARRAY_BUFFER, replaced);
        other = std::move(taker);
        EXPECT_FALSE(glIsBuffer(replaced)) << "the name a handle held before is freed";
        EXPECT_EQ(other.get(), name);
        EXPECT_TRUE(glIsBuffer(name));
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
    EXPECT_FALSE(glIsBuffer(name)) << "freed with its last owner, once";
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(GlHandleTest, EveryKindIsFreedByItsOwnCall) {
    GLuint array = 0, texture = 0, framebuffer = 0, program = 0, shader = 0;
    {
        // Generated names become objects once bound.
        const GlVertexArray a = GlVertexArray::generate();
        glBindVertexArray(array = a.get());
        glBindVertexArray(0);
        const GlTexture t = GlTexture::generate();
        glBindTexture(GL_TEXTURE_2D, texture = t.get());
        glBindTexture(GL_TEXTURE_2D, 0);
        const GlFramebuffer f = GlFramebuffer::generate();
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer = f.get());
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        const GlProgram p(program = glCreateProgram());
        const GlShader s(shader = glCreateShader(GL_VERTEX_SHADER));
        ASSERT_TRUE(glIsVertexArray(array) && glIsTexture(texture) &&
                    glIsFramebuffer(framebuffer) && glIsProgram(program) && glIsShader(shader));
    }
    EXPECT_FALSE(glIsVertexArray(array));
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_FALSE(glIsFramebuffer(framebuffer));
    EXPECT_FALSE(glIsProgram(program));
    EXPECT_FALSE(glIsShader(shader));
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
