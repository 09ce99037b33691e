// The first-time player's guide as plain steps: each tip goes once its deed
// is done (or, for the read-only ones, after its time), a deed done early
// skips its tip, and the first frightened kid ends the guide for good.
#include <gtest/gtest.h>

#include "ui/TipsGuide.h"

namespace dusk::ui {
namespace {

TEST(TipsGuide, StepsEndOnTheirOwnDeedsAndTheFirstFrightenedKidEndsTheGuide) {
    TipsGuide guide;
    TipEvents walk;
    walk.walked = true;
    guide.update(walk, 1.0);  // walking early does not end the goal ...
    EXPECT_EQ(guide.step(), TipStep::Goal);
    guide.update({}, TipsGuide::goalSeconds - 1.01);
    EXPECT_EQ(guide.step(), TipStep::Goal);
    guide.update({}, 0.02);  // ... but its tip is skipped when the goal has been read
    EXPECT_EQ(guide.step(), TipStep::Scream);
    guide.update({}, 60.0);
    EXPECT_EQ(guide.step(), TipStep::Scream) << "waits for a scream, however long";
    TipEvents seenAndScream;
    seenAndScream.screamed = true;
    seenAndScream.seen = true;
    guide.update(seenAndScream, 0.1);
    EXPECT_EQ(guide.step(), TipStep::Help) << "being seen already taught the sight tip";
    guide.update({}, TipsGuide::readSeconds - 0.5);
    TipEvents help;
    help.helpOpened = true;
    guide.update(help, 0.1);
    EXPECT_TRUE(guide.finished());

    guide.restart();
    EXPECT_EQ(guide.step(), TipStep::Goal);
    guide.update({}, TipsGuide::goalSeconds);
    guide.update(walk, 0.1);
    guide.update({}, 1.0);
    EXPECT_EQ(guide.step(), TipStep::Scream);
    TipEvents frightened;
    frightened.kidFrightened = true;
    guide.update(frightened, 0.1);
    EXPECT_TRUE(guide.finished());
    guide.update(walk, 100.0);
    EXPECT_TRUE(guide.finished()) << "for good";
}

}  // namespace
}  // namespace dusk::ui
