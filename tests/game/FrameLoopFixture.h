#pragma once
// A whole Game inside its frame loop (HUD, window input, pause, menu), for
// tests that drive it with real key and mouse events frame by frame.
#include <chrono>
#include <memory>
#include <thread>

#include "GameFixture.h"
#include "app/FrameLoop.h"
#include "support/Xdo.h"

namespace dusk::test {

class FrameLoopFixture : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        frames = std::make_unique<FrameLoop>(*game);
        Xdo::mouseMove(640, 360);
    }
    void TearDown() override {
        frames.reset();
        GameFixture::TearDown();
    }
    // Runs frames 0.1 s apart until the condition holds; false after about 5 s.
    template <typename Condition>
    bool framesUntil(Condition condition) {
        for (int i = 0; i < 50 && !condition(); ++i) {
            frames->runFrame();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return condition();
    }

    std::unique_ptr<FrameLoop> frames;
};

}  // namespace dusk::test
