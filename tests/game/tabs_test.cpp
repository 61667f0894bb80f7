#include "game/tabs.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "game/shop.h"
#include "game/texts.h"

using game::Caption;
using game::CaptionText;
using game::Gauge;
using game::GaugeDisplay;

namespace {

class TabsTest : public gametest::GameTest {};

TEST_F(TabsTest, TheFirstScreenShowsTheInitialState) {
    EXPECT_EQ(game::MoneyText(s.Money), "Деньги: 1000");
    EXPECT_EQ(game::DayText(s.Day), "День: 0");
    EXPECT_EQ(game::HourText(s.Hour), "Время: 0-00");
    EXPECT_EQ(game::SpeedText(s.Speed), "Скорость: 3");
    EXPECT_EQ(game::ShowBodyTab(game).gauges,
              (std::vector<GaugeDisplay>{
                  {Gauge::Drunkenness, 40, "40/100"}, {Gauge::Satiety, 90, "90/100"}, {Gauge::Liver, 90, "90/100"}}));
    EXPECT_EQ(game::ShowCityTab(game).captions,
              (std::vector<CaptionText>{{Caption::SenseiLevel, "Уровень: 0"}, {Caption::Salary, "Зарплата: 100"}}));
}

TEST_F(TabsTest, ResourcesListShowsTheCurrentCountsInItsOrder) {
    (void)game::SelectGood(game, game::Good::Herring);
    (void)game::ChangeQuantity(game, game::Counter::Grocery, 2);
    (void)game::BuySelected(game, game::Counter::Grocery);
    s.Bottles = 12;
    EXPECT_EQ(game::ShowResourcesTab(game).captions, (std::vector<CaptionText>{
                                                         {Caption::Beer, "Пиво - 0"},
                                                         {Caption::Wine, "Вино - 0"},
                                                         {Caption::Vodka, "Водка - 0"},
                                                         {Caption::Moonshine, "Самогон - 0"},
                                                         {Caption::Vitamins, "Витамины - 0"},
                                                         {Caption::Injections, "Инъекции - 0"},
                                                         {Caption::Bread, "Хлеб - 0"},
                                                         {Caption::Stew, "Тушенка - 0"},
                                                         {Caption::Herring, "Селедка - 2"},
                                                         {Caption::Roses, "Розы - 0"},
                                                         {Caption::Bottles, "Бутылки - 12"},
                                                     }));
}

TEST_F(TabsTest, SwitchingTabsPlaysTheTabCue) {
    game::TabSwitched(game);
    EXPECT_EQ(cues, std::vector<game::Cue>{game::Cue::TabSwitch});
    EXPECT_EQ(game::CueFile(game::Cue::TabSwitch), "sound/perexod.wav");
}

TEST(NumberFormatTest, PlainDecimalWithALeadingMinus) {
    EXPECT_EQ(game::Decimal(0), "0");
    EXPECT_EQ(game::Decimal(-7), "-7");
    EXPECT_EQ(game::Decimal(1234567), "1234567");
    EXPECT_EQ(game::Decimal(INT32_MIN), "-2147483648");
    EXPECT_EQ(game::GaugeText(-7), "-7/100");
    EXPECT_EQ(game::PriceText(0), "Цена: 0 руб.");
}

}  // namespace
