// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson's question cue: asked once, at the first arrival that fits it, with
// predict mode off and its topic already answered right.
#include <gtest/gtest.h>

#include "demo_fixture.h"
#include "predict/predictor.h"

namespace bridging::testing {
namespace {

class PredictCue : public DemoTest {
protected:
    PredictCue() {
        Build("One Bridge");
        SwitchOn();
    }

    // Ticks until no frame flies, answering each question right; the questions asked.
    std::vector<predict::Question> TickAnswering() {
        std::vector<predict::Question> asked;
        for (int n = 0; n < 400 && demo.State().AnyTokenShown(); ++n) {
            const predict::NextTick next = predict::LookAhead(demo.State());
            predictor.Prepare(++moment, demo.State(), next);
            while (const predict::Question* q = predictor.Current()) {
                asked.push_back(*q);
                predictor.Answer(q->right);
            }
            demo.Timer1_Timer();
        }
        return asked;
    }

    predict::Predictor predictor;
    history::Moment moment = 0;
};

TEST_F(PredictCue, AskedOnceAtTheFirstFittingArrivalWhileOffAndWhenMastered) {
    predictor.SetOn(true);
    Send(0, 2);
    const std::vector<predict::Question> learnt = TickAnswering();
    ASSERT_FALSE(learnt.empty());
    ASSERT_EQ(learnt.front().AskedTopic(), predict::Topic::Flooding);
    predictor.SetOn(false);

    predictor.SetCue(predict::Cue{0, predict::Topic::Filtering});
    Send(0, 3);
    EXPECT_TRUE(TickAnswering().empty()) << "the bridge floods: the cue does not fit";
    EXPECT_TRUE(predictor.CuePending());

    predictor.SetCue(predict::Cue{0, predict::Topic::Flooding});
    Send(1, 3);
    const std::vector<predict::Question> cued = TickAnswering();
    ASSERT_EQ(cued.size(), 1U);
    EXPECT_EQ(cued.front().bridgeIndex, 0);
    EXPECT_EQ(cued.front().AskedTopic(), predict::Topic::Flooding);
    EXPECT_FALSE(predictor.CuePending());
    EXPECT_FALSE(predictor.On());

    Send(0, 3);
    EXPECT_TRUE(TickAnswering().empty()) << "a cue is asked once";
}

}  // namespace
}  // namespace bridging::testing
