#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/outcome.h"

namespace game {

// Fixed texts the rules show. Each is spelled here and nowhere else.
namespace text {
inline constexpr std::string_view NotEnoughMoney = "Недостаточно денег!";
inline constexpr std::string_view OncePerDay = "Можно только раз в сутки!";
inline constexpr std::string_view NoBottles = "Нет бутылок!";
inline constexpr std::string_view NothingChosenToBeg = "И над кем ты решил подшутить?";
inline constexpr std::string_view AskedTooRecently = "Не наглей! ))) Недавно спрашивал";
inline constexpr std::string_view EmptyName = "Странное какое-то имя )))";
inline constexpr std::string_view NameTooLong = "Слишком длинное имя. Будте проще!";
inline constexpr std::string_view NoSearchPlace = "Ну выбери что-нибудь :)";
inline constexpr std::string_view BeatenByGuards = "Охрана прогнала вас, хорошо вломив по печени";
inline constexpr std::string_view BeatenByHooligans = "Вас поймали гопники и дали по печени ((";
inline constexpr std::string_view SenseiAlreadyTop = "Уровень уже максимальный!!!";
inline constexpr std::string_view SenseiReachedTop = "Уже максимальный уровень";
inline constexpr std::string_view PetrovichGave = "Петрович одолжил полтяш!";
inline constexpr std::string_view PetrovichRefused = "Петрович послал подальше";
inline constexpr std::string_view DunkaRefused = "Дунька отказала";
inline constexpr std::string_view HowManyRoses = "Сколько роз дарим?";
inline constexpr std::string_view NoRoses = "Роз нет! Что дарить то?";
inline constexpr std::string_view NoStock = "n/a";
}  // namespace text

// A number as the game shows it: plain decimal, "-" when negative, no grouping or padding.
[[nodiscard]] std::string Decimal(int32_t value);

// "Деньги: " and the amount.
[[nodiscard]] std::string MoneyText(int32_t money);
// "День: " and the day.
[[nodiscard]] std::string DayText(int32_t day);
// "Время: " and the hour with "-00".
[[nodiscard]] std::string HourText(int32_t hour);
// "Скорость: " and the speed.
[[nodiscard]] std::string SpeedText(int32_t speed);
// A gauge's label: the value and "/100".
[[nodiscard]] std::string GaugeText(int32_t value);
// "Зарплата: " and the salary.
[[nodiscard]] std::string SalaryText(int32_t salary);
// "Уровень: " and the sensei level, as the main window shows it.
[[nodiscard]] std::string SenseiLevelText(int32_t level);
// A resource line of tab "Ресурсы" for one of the captions Beer..Bottles.
[[nodiscard]] std::string ResourceText(Caption resource, int32_t count);
// "Цена: " and the total with " руб.".
[[nodiscard]] std::string PriceText(int32_t total);
// The outcome of a bottle search.
[[nodiscard]] std::string BottlesFoundText(int32_t bottles);
// The outcome of a successful begging attempt.
[[nodiscard]] std::string BeggedText(int32_t amount);
// The training dialog's level line.
[[nodiscard]] std::string TrainingLevelText(int32_t level);
// The training dialog's price line.
[[nodiscard]] std::string TrainingCostText(int32_t cost);
// Dunka's gift of moonshine.
[[nodiscard]] std::string DunkaGiftText(int32_t bottles);
// The message of an ending other than None.
[[nodiscard]] std::string_view EndingText(Ending ending);
// The main window's caption for the player's name.
[[nodiscard]] std::string MainWindowTitle(std::string_view playerName);

}  // namespace game
