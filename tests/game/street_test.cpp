#include "game/street.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "game/rules_error.h"

using game::BegPhrase;
using game::BegPlace;
using game::Caption;
using game::Cue;
using game::Dialog;
using game::MessageKind;
using game::Outcome;

namespace {

class SearchTest : public gametest::GameTest {};

TEST_F(SearchTest, TheAllowanceIsSpentWhenTheDialogOpens) {
    EXPECT_EQ(game::OpenSearch(game).show, Dialog::BottleSearch);
    EXPECT_EQ(s.CanSearchBottles, 0);
    const Outcome again = game::OpenSearch(game);
    EXPECT_EQ(again.show, Dialog::None);
    ASSERT_EQ(again.messages.size(), 1u);
    EXPECT_EQ(again.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(again.messages[0].text, "Можно только раз в сутки!");
    EXPECT_EQ(cues, (std::vector<Cue>{Cue::Start, Cue::Start}));
}

TEST_F(SearchTest, NoPlaceChosenKeepsTheDialogOpenWithoutADraw) {
    const Outcome out = game::SearchBottles(game, false);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(out.messages[0].text, "Ну выбери что-нибудь :)");
    EXPECT_EQ(out.close, Dialog::None);
    EXPECT_EQ(reseeds, 0);
}

TEST_F(SearchTest, YieldGrowsWithTheSenseiLevel) {
    struct Case {
        int level;
        uint32_t draw, values;
        const char* message;
    };
    const Case cases[] = {
        {0, 0, 20, "Бутылок собрано - 0"},
        {0, 19, 20, "Бутылок собрано - 19"},
        {10, 419, 420, "Бутылок собрано - 419"},
        {3, 139, 140, "Бутылок собрано - 139"},
    };
    for (const Case& c : cases) {
        s.SenseiLevel = c.level;
        s.Bottles = 5;
        PinDraw(c.draw, c.values);
        const Outcome out = game::SearchBottles(game, true);
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0].text, c.message);
        EXPECT_EQ(s.Bottles, 5 + static_cast<int>(c.draw));
        EXPECT_EQ(out.close, Dialog::BottleSearch);
    }
}

TEST_F(SearchTest, EachSearchReseedsOnceFromTheClock) {
    seeds = {111u, 222u};
    (void)game::SearchBottles(game, true);
    EXPECT_EQ(reseeds, 1);
    EXPECT_EQ(game.Rng().State(), 111u * 134775813u + 1u);
}

class BegTest : public gametest::GameTest {
protected:
    // Tries every luck draw 0..100 from the same state and counts the successes.
    int SuccessesOverAllDraws(BegPlace place, BegPhrase phrase, int notoriety) {
        int successes = 0;
        for (uint32_t r = 0; r <= 100; ++r) {
            s = game::GameState{};
            s.Notoriety = notoriety;
            PinDraw(r, 101);
            const Outcome out = game::Beg(game, place, phrase);
            const bool won = out.close == Dialog::None;
            EXPECT_EQ(won, s.Notoriety == notoriety + 15) << "draw " << r;
            successes += won ? 1 : 0;
        }
        return successes;
    }
};

TEST_F(BegTest, APlaceAndAPhraseAreBothNeeded) {
    for (const Outcome& out :
         {game::Beg(game, std::nullopt, BegPhrase::NoBooze), game::Beg(game, BegPlace::Street, std::nullopt)}) {
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0].kind, MessageKind::Warning);
        EXPECT_EQ(out.messages[0].text, "И над кем ты решил подшутить?");
        EXPECT_EQ(out.close, Dialog::None);
    }
    EXPECT_EQ(reseeds, 0);
}

TEST_F(BegTest, OpeningPlaysTheStartCueAndShowsTheDialog) {
    EXPECT_EQ(game::OpenBegging(game).show, Dialog::Begging);
    EXPECT_EQ(cues, std::vector<Cue>{Cue::Start});
}

TEST_F(BegTest, SuccessChanceFollowsRiskAndNotoriety) {
    EXPECT_EQ(SuccessesOverAllDraws(BegPlace::Supermarket, BegPhrase::RuinedBusinessman, 0), 58);
    EXPECT_EQ(SuccessesOverAllDraws(BegPlace::Supermarket, BegPhrase::RuinedBusinessman, 45), 13);
    EXPECT_EQ(SuccessesOverAllDraws(BegPlace::Street, BegPhrase::NoBooze, 0), 90);
    EXPECT_EQ(SuccessesOverAllDraws(BegPlace::Underpass, BegPhrase::NoCondoms, 0), 78);
    EXPECT_EQ(SuccessesOverAllDraws(BegPlace::Street, BegPhrase::NoBooze, 90), 0);
}

TEST_F(BegTest, SuccessPaysFortyUpToThePayoutAndKeepsTheDialogOpen) {
    seeds = {gametest::SeedForDraw(100, 101), gametest::SeedForDraw(164, 165)};
    Outcome out = game::Beg(game, BegPlace::Supermarket, BegPhrase::RuinedBusinessman);
    EXPECT_EQ(reseeds, 2) << "the payout is drawn after a fresh seed";
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(out.messages[0].text, "Отлично! Вы собрали 204!");
    EXPECT_EQ(s.Money, 1204);
    EXPECT_EQ(out.TextOf(Caption::Money), "Деньги: 1204");
    EXPECT_EQ(s.Notoriety, 15);
    EXPECT_EQ(out.close, Dialog::None);

    seeds = {gametest::SeedForDraw(100, 101), gametest::SeedForDraw(0, 30)};
    out = game::Beg(game, BegPlace::Street, BegPhrase::NoBooze);
    EXPECT_EQ(out.messages[0].text, "Отлично! Вы собрали 40!");
    EXPECT_EQ(s.Notoriety, 30);
}

TEST_F(BegTest, FailureHurtsTheLiverByPlaceAndClosesTheDialog) {
    PinDraw(0, 101);
    s.Notoriety = 20;
    Outcome out = game::Beg(game, BegPlace::Supermarket, BegPhrase::NoBooze);
    EXPECT_EQ(out.messages[0].text, "Охрана прогнала вас, хорошо вломив по печени");
    EXPECT_EQ(out.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(s.Liver, 75);
    EXPECT_EQ(out.gauges, (std::vector<game::GaugeDisplay>{{game::Gauge::Liver, 75, "75/100"}}));
    EXPECT_EQ(out.close, Dialog::Begging);
    EXPECT_EQ(s.Notoriety, 20);
    EXPECT_EQ(s.Money, 1000);
    EXPECT_EQ(reseeds, 1);

    out = game::Beg(game, BegPlace::Underpass, BegPhrase::RuinedBusinessman);
    EXPECT_EQ(out.messages[0].text, "Вас поймали гопники и дали по печени ((");
    EXPECT_EQ(s.Liver, 65);
}

TEST_F(BegTest, TheLiverMayGoBelowZero) {
    PinDraw(0, 101);
    s.Liver = 5;
    (void)game::Beg(game, BegPlace::Supermarket, BegPhrase::NoCondoms);
    EXPECT_EQ(s.Liver, -10);
}

class ReturnTest : public gametest::GameTest {};

TEST_F(ReturnTest, NothingToReturnWarnsAndOpensNothing) {
    const Outcome out = game::OpenReturn(game);
    EXPECT_EQ(cues, std::vector<Cue>{Cue::Start});
    EXPECT_EQ(out.show, Dialog::None);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(out.messages[0].text, "Нет бутылок!");
    s.Bottles = 1;
    EXPECT_EQ(game::OpenReturn(game).show, Dialog::BottleReturn);
}

TEST_F(ReturnTest, PreparingLimitsTheSliderToTheBottlesHeld) {
    s.Bottles = 40;
    Outcome out = game::PrepareReturn(game, 70);
    EXPECT_EQ(out.sliders,
              (std::vector<game::SliderSetting>{{game::Slider::ReturnBottles, true, std::nullopt, 40, 40}}));
    EXPECT_EQ(out.TextOf(Caption::ReturnAmount), "40");
    out = game::PrepareReturn(game, 12);
    EXPECT_EQ(out.TextOf(Caption::ReturnAmount), "12");
}

TEST_F(ReturnTest, ReturningSomeKeepsTheDialogOpenWithTheSliderBackAtOne) {
    s.Bottles = 100;
    s.Money = 5;
    const Outcome out = game::ReturnBottles(game, 30);
    EXPECT_EQ(s.Money, 35);
    EXPECT_EQ(s.Bottles, 70);
    EXPECT_EQ(out.TextOf(Caption::Money), "Деньги: 35");
    EXPECT_EQ(out.close, Dialog::None);
    EXPECT_EQ(out.sliders,
              (std::vector<game::SliderSetting>{{game::Slider::ReturnBottles, true, std::nullopt, 70, 1}}));
    EXPECT_EQ(out.TextOf(Caption::ReturnAmount), "1");
}

TEST_F(ReturnTest, ReturningAllClosesTheDialog) {
    s.Bottles = 30;
    const Outcome out = game::ReturnBottles(game, 30);
    EXPECT_EQ(s.Bottles, 0);
    EXPECT_EQ(s.Money, 1030);
    EXPECT_EQ(out.close, Dialog::BottleReturn);
    EXPECT_TRUE(out.sliders.empty());
}

TEST_F(ReturnTest, MoreThanHeldOrNoneIsRefused) {
    s.Bottles = 3;
    EXPECT_THROW((void)game::ReturnBottles(game, 4), game::RulesError);
    EXPECT_THROW((void)game::ReturnBottles(game, 0), game::RulesError);
    EXPECT_EQ(s.Bottles, 3);
    EXPECT_EQ(s.Money, 1000);
    s.Bottles = 0;
    EXPECT_THROW((void)game::PrepareReturn(game, 1), game::RulesError);
}

}  // namespace
