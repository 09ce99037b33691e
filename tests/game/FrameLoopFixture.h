#pragma once
// A whole session frame by frame (HUD, window input, pause, menu), for tests
// that drive it with real key and mouse events.
#include <chrono>
#include <thread>

#include "GameFixture.h"
#include "support/Xdo.h"

namespace dusk::test {

class FrameLoopFixture : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        Xdo::mouseMove(640, 360);
    }
    // Runs frames 0.1 s apart until the condition holds; false after about 5 s.
    template <typename Condition>
    bool framesUntil(Condition condition) {
        for (int i = 0; i < 50 && !condition(); ++i) {
            session->runFrame();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return condition();
    }
};

}  // namespace dusk::test
