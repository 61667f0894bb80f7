#include "game/clock.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "game/career.h"
#include "game/rules_error.h"

using game::Caption;
using game::Cue;
using game::Ending;
using game::Gauge;
using game::GaugeDisplay;
using game::MessageKind;
using game::Outcome;

namespace {

class ClockTest : public gametest::GameTest {
protected:
    Outcome TickTimes(int n) {
        Outcome last;
        for (int i = 0; i < n; ++i) last = game::Tick(game);
        return last;
    }

    // Runs the ticks up to and including the next day turn.
    Outcome ToDayTurn() { return TickTimes(24 - s.Hour); }
};

TEST_F(ClockTest, HoursCountUpAndTheTwentyFourthTickTurnsTheDay) {
    for (int hour = 1; hour <= 23; ++hour) {
        const Outcome out = game::Tick(game);
        ASSERT_EQ(out.TextOf(Caption::Hour), "Время: " + std::to_string(hour) + "-00");
        ASSERT_FALSE(out.TextOf(Caption::Day));
        ASSERT_TRUE(out.gauges.empty());
    }
    const Outcome out = game::Tick(game);
    EXPECT_EQ(out.TextOf(Caption::Day), "День: 1");
    EXPECT_EQ(out.TextOf(Caption::Hour), "Время: 0-00");
    EXPECT_EQ(out.TextOf(Caption::Money), "Деньги: 1100");
    EXPECT_EQ(out.TextOf(Caption::StageCountdown), "До изменения осталось 4 дня");
    EXPECT_EQ(out.TextOf(Caption::StageName), "Злоупотребляющий");
    EXPECT_EQ(out.gauges,
              (std::vector<GaugeDisplay>{
                  {Gauge::Drunkenness, 32, "32/100"}, {Gauge::Satiety, 70, "70/100"}, {Gauge::Liver, 90, "90/100"}}));
    EXPECT_EQ(s.Day, 1);
    EXPECT_EQ(s.Hour, 0);
    EXPECT_EQ(s.Money, 1100);
    EXPECT_EQ(s.StageDays, 0);
    EXPECT_EQ(s.Drunkenness, 32);
    EXPECT_EQ(s.Satiety, 70);
    EXPECT_EQ(s.Liver, 90);
    EXPECT_EQ(out.ending, Ending::None);
    EXPECT_TRUE(cues.empty());
}

TEST_F(ClockTest, WithNoActionTheFifthDayTurnKillsBySobriety) {
    TickTimes(4 * 24);
    EXPECT_EQ(game.Ended(), Ending::None);
    const Outcome out = ToDayTurn();
    EXPECT_EQ(s.Drunkenness, 0);
    EXPECT_EQ(s.Satiety, -10);
    EXPECT_EQ(out.ending, Ending::Sobriety);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(out.messages[0].Title(), "Information");
    EXPECT_EQ(out.messages[0].text, "Алкаш умер от недостатка горючих материалов в организме!");
    EXPECT_EQ(cues, std::vector<Cue>{Cue::Death});
    EXPECT_FALSE(out.TextOf(Caption::Hour)) << "nothing after the ending runs";
    EXPECT_EQ(out.TextOf(Caption::Day), "День: 5") << "the day turn's captions were written";
    EXPECT_EQ(game.Ended(), Ending::Sobriety);
    EXPECT_THROW((void)game::Tick(game), game::RulesError);
}

TEST_F(ClockTest, DeathsAreCheckedInOrderAndOnlyTheFirstIsReported) {
    struct Case {
        int drunkenness, satiety, liver;
        Ending expected;
        const char* message;
    };
    const Case cases[] = {
        {0, 0, 0, Ending::Sobriety, "Алкаш умер от недостатка горючих материалов в организме!"},
        {1, -3, 0, Ending::Hunger, "Алкаш умер от голода!"},
        {1, 1, -7, Ending::Liver, "Печень отвалилась!"},
    };
    for (const Case& c : cases) {
        game::Game g([] { return 0u; }, nullptr);
        g.State.Drunkenness = c.drunkenness;
        g.State.Satiety = c.satiety;
        g.State.Liver = c.liver;
        const Outcome out = game::Tick(g);
        EXPECT_EQ(out.ending, c.expected);
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0].text, c.message);
    }
}

TEST_F(ClockTest, ABrokenDeathCueLeavesTheGameRunningUntilTheCuePlays) {
    s.Liver = 0;
    soundBroken = true;
    EXPECT_THROW((void)game::Tick(game), std::runtime_error);
    EXPECT_EQ(game.Ended(), Ending::None);
    soundBroken = false;
    EXPECT_EQ(game::Tick(game).ending, Ending::Liver);
}

TEST_F(ClockTest, DrunkennessOfFiftyCountsAndFortyNineResets) {
    s.Hour = 23;
    s.Drunkenness = 50;
    (void)game::Tick(game);
    EXPECT_EQ(s.StageDays, 2);
    EXPECT_EQ(s.Drunkenness, 42) << "counted before the drain";

    s.Hour = 23;
    s.Drunkenness = 49;
    const Outcome out = game::Tick(game);
    EXPECT_EQ(s.StageDays, 0);
    EXPECT_EQ(out.TextOf(Caption::StageCountdown), "До изменения осталось 4 дня");
}

TEST_F(ClockTest, CountdownTextFollowsTheDaysCounted) {
    const char* expected[] = {"До изменения осталось 3 дня", "До изменения осталось 2 дня",
                              "До изменения осталося 1 день"};
    s.StageDays = 0;
    for (const char* text : expected) {
        s.Drunkenness = 100;
        EXPECT_EQ(ToDayTurn().TextOf(Caption::StageCountdown), text);
    }
}

TEST_F(ClockTest, StageAdvancesOnTheThirdDayTurnAndDrainsAtOnce) {
    for (int day = 1; day <= 2; ++day) {
        s.Drunkenness = 100;
        (void)ToDayTurn();
        ASSERT_EQ(s.Stage, 1);
    }
    s.Drunkenness = 100;
    s.Satiety = 100;
    const Outcome out = ToDayTurn();
    EXPECT_EQ(s.Stage, 2);
    EXPECT_EQ(s.StageDays, 0);
    EXPECT_EQ(out.TextOf(Caption::StageName), "Начальные признаки");
    EXPECT_EQ(out.TextOf(Caption::StageCountdown), "До изменения осталось 4 дня");
    EXPECT_EQ(s.Satiety, 85);
    EXPECT_EQ(s.Drunkenness, 86);
}

TEST_F(ClockTest, LaterStagesDrainTheLiverToo) {
    s.Stage = 6;
    s.StageDays = 0;
    s.Drunkenness = 100;
    s.Liver = 100;
    s.Satiety = 50;
    const Outcome out = ToDayTurn();
    EXPECT_EQ(out.TextOf(Caption::StageName), "Третья стадия");
    EXPECT_EQ(s.Drunkenness, 65);
    EXPECT_EQ(s.Satiety, 50);
    EXPECT_EQ(s.Liver, 90);
}

TEST_F(ClockTest, VictoryFromStageSixStopsTheDayTurnAndSkipsTheDeathCheck) {
    s.Stage = 6;
    s.StageDays = 3;
    s.Drunkenness = 60;
    s.Liver = -5;
    s.Hour = 23;
    const int money = s.Money;
    const Outcome out = game::Tick(game);
    EXPECT_EQ(out.ending, Ending::Victory);
    EXPECT_EQ(game.Ended(), Ending::Victory);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].text, "Алкаш допился до белочки! Поздравляем со \"счастливым\" концом!");
    EXPECT_EQ(out.messages[0].kind, MessageKind::Information);
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(s.Stage, 7);
    EXPECT_EQ(s.Money, money) << "no salary after the victory";
    EXPECT_EQ(s.Drunkenness, 60) << "no drain after the victory";
    EXPECT_TRUE(out.gauges.empty());
    EXPECT_FALSE(out.TextOf(Caption::StageName));
    EXPECT_FALSE(out.TextOf(Caption::Money));
    EXPECT_FALSE(out.TextOf(Caption::Hour));
    EXPECT_EQ(out.TextOf(Caption::Day), "День: 1");
    EXPECT_THROW((void)game::Tick(game), game::RulesError);
}

TEST_F(ClockTest, DayTurnRenewsAllowancesAndFadesNotorietyToZero) {
    s.Notoriety = 10;
    s.CanSearchBottles = 0;
    (void)ToDayTurn();
    EXPECT_EQ(s.Notoriety, 0);
    EXPECT_EQ(s.CanSearchBottles, 1);
    EXPECT_EQ(s.PetrovichDays, 5);

    s.Notoriety = 40;
    s.PetrovichDays = 0;
    (void)ToDayTurn();
    EXPECT_EQ(s.Notoriety, 15);
    EXPECT_EQ(s.PetrovichDays, 1);
}

TEST_F(ClockTest, BrigadeRefreshEnablesTheNextRankAtItsThreshold) {
    s.Bottles = 199;
    Outcome out = game::Tick(game);
    EXPECT_EQ(out.rankBoxes, (std::vector<game::RankBox>{{2, false}}));
    EXPECT_EQ(out.TextOf(Caption::PromotionHint), "Для повышения нужно накопить 200 бутылок");
    EXPECT_EQ(out.TextOf(Caption::Salary), "Зарплата: 100");

    s.Bottles = 200;
    out = game::Tick(game);
    EXPECT_EQ(out.rankBoxes, (std::vector<game::RankBox>{{2, true}}));

    s.Rank = 4;
    s.Bottles = 1799;
    out = game::Tick(game);
    EXPECT_EQ(out.rankBoxes, (std::vector<game::RankBox>{{5, false}}));
    EXPECT_EQ(out.TextOf(Caption::PromotionHint), "Для повышения нужно накопить 1800 бутылок");

    s.Rank = 5;
    out = game::Tick(game);
    EXPECT_TRUE(out.rankBoxes.empty());
    EXPECT_EQ(out.TextOf(Caption::PromotionHint), "");
    EXPECT_EQ(out.TextOf(Caption::Salary), "Зарплата: 500");
    EXPECT_EQ(s.Salary, 500);
}

TEST_F(ClockTest, SalaryFollowsAPromotionAtTheNextTickAndIsPaidAtThatRate) {
    s.Bottles = 200;
    s.Hour = 22;
    (void)game::Tick(game);
    (void)game::Promote(game, 2);
    EXPECT_EQ(s.Salary, 100) << "the old pay shows until the next tick";
    const int money = s.Money;
    const Outcome out = game::Tick(game);
    EXPECT_EQ(out.TextOf(Caption::Salary), "Зарплата: 200");
    EXPECT_EQ(out.TextOf(Caption::PromotionHint), "Для повышения нужно накопить 560 бутылок");
    EXPECT_EQ(s.Money, money + 200);
}

TEST_F(ClockTest, SpeedStaysWithinOneToFourAndSetsTheInterval) {
    Outcome out = game::SpeedUp(game);
    EXPECT_EQ(s.Speed, 4);
    EXPECT_EQ(out.tickIntervalMs, 500);
    EXPECT_EQ(out.TextOf(Caption::Speed), "Скорость: 4");
    out = game::SpeedUp(game);
    EXPECT_EQ(s.Speed, 4);
    EXPECT_EQ(out.tickIntervalMs, 500);
    EXPECT_EQ(out.TextOf(Caption::Speed), "Скорость: 4");

    const int expected[] = {1000, 2000, 4000, 4000};
    for (int interval : expected) {
        out = game::SpeedDown(game);
        EXPECT_EQ(out.tickIntervalMs, interval);
    }
    EXPECT_EQ(s.Speed, 1);
    EXPECT_EQ(out.TextOf(Caption::Speed), "Скорость: 1");
}

TEST_F(ClockTest, AGaugeBelowZeroIsShownUnclamped) {
    s.Satiety = 15;
    s.Drunkenness = 100;
    const Outcome out = ToDayTurn();
    EXPECT_EQ(out.gauges[1], (GaugeDisplay{Gauge::Satiety, -5, "-5/100"}));
    EXPECT_EQ(out.ending, Ending::Hunger);
}

TEST_F(ClockTest, AStateOutsideTheTablesIsRefusedNotReadPast) {
    s.Rank = 0;
    EXPECT_THROW((void)game::Tick(game), game::RulesError);
    s.Rank = 1;
    s.Speed = 9;
    EXPECT_THROW((void)game::SpeedUp(game), game::RulesError);
}

}  // namespace
