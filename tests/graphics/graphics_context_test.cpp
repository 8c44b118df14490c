// The graphics module's drawing state: matrix maths, the stack, when the device gets the matrix, frame resets.
#include <GL/gl.h>

#include <array>
#include <functional>

#include "tests/graphics/module_fixture.h"

namespace {
using gfxtest::ModuleTest;
using Matrix = std::array<float, 6>;

Matrix Current() {
    const GraphicsContext& c = *graphics::context;
    return {c.ix, c.iy, c.jx, c.jy, c.tx, c.ty};
}

void ExpectMatrix(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5) << "element " << i;
}

class MatrixTest : public ::testing::Test {
protected:
    void SetUp() override { graphics::context = &ctx; }
    void TearDown() override { graphics::context = nullptr; }
    GraphicsContext ctx;
};

TEST_F(MatrixTest, TransformsApplyTheGivenMatrixFirst) {
    struct Case {
        const char* steps;
        std::function<void()> apply;
        Matrix expected;
    };
    const Case cases[] = {
        {"translate, scale", [] { graphics::Translate(10, 20), graphics::Scale(2, 3); }, {2, 0, 0, 3, 10, 20}},
        {"scale, translate", [] { graphics::Scale(2, 3), graphics::Translate(10, 20); }, {2, 0, 0, 3, 20, 60}},
        {"rotate 90", [] { graphics::Rotate(90); }, {0, -1, 1, 0, 0, 0}},
        {"translate, rotate 90, scale",
         [] { graphics::Translate(100, 50), graphics::Rotate(90), graphics::Scale(2, 1); },
         {0, -2, 1, 0, 100, 50}},
        {"set, then transform by arrays",
         [] {
             const float set[6] = {1, 2, 3, 4, 5, 6}, by[6] = {0, 1, 1, 0, 1, 1};
             graphics::SetMatrix(set), graphics::Transform(by);
         },
         {3, 4, 1, 2, 9, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        ctx = GraphicsContext();
        c.apply();
        ExpectMatrix(Current(), c.expected);
        EXPECT_TRUE(ctx.isTransformed);
        EXPECT_TRUE(ctx.matrixDirty);
    }
}

TEST_F(MatrixTest, PositiveRotationTurnsCounterClockwiseOnScreen) {
    graphics::Rotate(30);
    // (1, 0) maps to (ix, iy): right and up on a y-down screen.
    EXPECT_NEAR(ctx.ix, 0.8660254f, 1e-6);
    EXPECT_NEAR(ctx.iy, -0.5f, 1e-6);
}

TEST_F(MatrixTest, ReturningToIdentityClearsIsTransformed) {
    graphics::Translate(5, 0);
    EXPECT_TRUE(ctx.isTransformed);
    graphics::Translate(-5, 0);
    EXPECT_FALSE(ctx.isTransformed);
    graphics::SetMatrix(1, 0, 0, 1, 0, 0.5f);
    EXPECT_TRUE(ctx.isTransformed);
}

TEST_F(MatrixTest, StackHoldsThirtyTwoMatrices) {
    for (int i = 0; i < 32; ++i) {
        graphics::SetMatrix(1, 0, 0, 1, i, -i);
        graphics::PushMatrix();
    }
    EXPECT_EQ(ctx.stackTop, 192);
    ctx.matrixDirty = false;
    for (int i = 31; i >= 0; --i) {
        graphics::PopMatrix();
        ExpectMatrix(Current(), {1, 0, 0, 1, float(i), float(-i)});
        EXPECT_TRUE(ctx.matrixDirty);
        EXPECT_EQ(ctx.isTransformed, i != 0);
    }
    EXPECT_EQ(ctx.stackTop, 0);
}

using ContextTest = ModuleTest;

TEST_F(ContextTest, MatrixReachesTheDeviceOnlyAtTheNextDraw) {
    EXPECT_EQ(spy.matrixCalls, 0);
    graphics::Translate(100, 50);
    graphics::Scale(2, 2);
    graphics::Rotate(0);
    EXPECT_EQ(spy.matrixCalls, 0);
    graphics::DrawRect(0, 0, 10, 10);
    EXPECT_EQ(spy.matrixCalls, 1);
    EXPECT_FLOAT_EQ(spy.tx, 100);
    EXPECT_FLOAT_EQ(spy.ix, 2);
    graphics::DrawLine(0, 0, 5, 5);
    graphics::DrawEllipse(50, 50, 5, 5);
    EXPECT_EQ(spy.matrixCalls, 1);
    EXPECT_EQ(Rgb(100, 50), 0xFFFFFFu);
    EXPECT_EQ(Rgb(119, 69), 0xFFFFFFu);
    EXPECT_EQ(Rgb(120, 70), 0u);
}

TEST_F(ContextTest, BeginRenderStartsEveryFrameFromTheSameState) {
    graphics::SetColor(10, 20, 30);
    graphics::SetAlpha(0.25f);
    graphics::SetBlend(1);
    graphics::SetScissor(5, 5, 10, 10);
    graphics::Translate(300, 0);
    graphics::PushMatrix();
    graphics::DrawRect(0, 0, 1, 1);  // leaves the device transformed
    graphics::EndRender();
    EXPECT_EQ(graphics::renderDevice, nullptr);

    spy.BeginRender();
    graphics::BeginRender();
    EXPECT_EQ(graphics::renderDevice, &spy);
    EXPECT_EQ(ctx.stackTop, 0);
    EXPECT_FALSE(ctx.isTransformed);
    EXPECT_TRUE(ctx.matrixDirty);
    using Four = std::array<float, 4>;
    EXPECT_EQ((Four{ctx.colorR, ctx.colorG, ctx.colorB, ctx.alpha}), (Four{255, 255, 255, 1}));
    EXPECT_EQ(ctx.blend, 0);
    EXPECT_EQ((Four{ctx.scissorX, ctx.scissorY, ctx.scissorW, ctx.scissorH}), (Four{0, 0, 640, 480}));
    EXPECT_EQ(spy.packedColor, 0xFFFFFFFFu);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    GLint dst = 0;
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);

    graphics::Cls(0, 0, 0);
    graphics::DrawRect(20, 20, 4, 4);
    EXPECT_EQ(Rgb(20, 20), 0xFFFFFFu);
    EXPECT_EQ(Rgb(320, 20), 0u);
}

TEST_F(ContextTest, ScissorIsStoredAndTruncatedForTheDevice) {
    graphics::SetScissor(10.9f, 20.7f, 30.5f, 40.2f);
    EXPECT_FLOAT_EQ(ctx.scissorX, 10.9f);
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    EXPECT_EQ(std::vector<int>(box, box + 4), (std::vector<int>{10, 480 - 20 - 40, 30, 40}));
}

TEST_F(ContextTest, EllipseIsCentredOnItsPosition) {
    graphics::DrawEllipse(100, 100, 20, 10);
    EXPECT_EQ(Rgb(100, 100), 0xFFFFFFu);
    EXPECT_EQ(Rgb(81, 100), 0xFFFFFFu);
    EXPECT_EQ(Rgb(118, 100), 0xFFFFFFu);
    EXPECT_EQ(Rgb(100, 91), 0xFFFFFFu);
    EXPECT_EQ(Rgb(100, 111), 0u);
    EXPECT_EQ(Rgb(121, 100), 0u);
}

TEST_F(ContextTest, ReadPixelsTakesAPitchOfZeroAsTheWidth) {
    graphics::SetColor(255, 0, 0);
    graphics::DrawRect(31, 40, 1, 1);
    graphics::SetColor(0, 255, 0);
    graphics::DrawRect(30, 41, 1, 1);
    int pixels[4] = {};
    graphics::ReadPixels(pixels, 30, 40, 2, 2);
    EXPECT_EQ(static_cast<unsigned>(pixels[1]) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(static_cast<unsigned>(pixels[2]) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(static_cast<unsigned>(pixels[0]) & 0xFFFFFF, 0u);
}

}  // namespace
