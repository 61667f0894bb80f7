#include "game/texts.h"

#include "game/rules_error.h"

namespace game {
namespace {

std::string Join(std::string_view prefix, int32_t value, std::string_view suffix = {}) {
    std::string s(prefix);
    s += Decimal(value);
    s += suffix;
    return s;
}

}  // namespace

std::string Decimal(int32_t value) { return std::to_string(value); }

std::string MoneyText(int32_t money) { return Join("Деньги: ", money); }

std::string DayText(int32_t day) { return Join("День: ", day); }

std::string HourText(int32_t hour) { return Join("Время: ", hour, "-00"); }

std::string SpeedText(int32_t speed) { return Join("Скорость: ", speed); }

std::string GaugeText(int32_t value) { return Join("", value, "/100"); }

std::string SalaryText(int32_t salary) { return Join("Зарплата: ", salary); }

std::string SenseiLevelText(int32_t level) { return Join("Уровень: ", level); }

std::string ResourceText(Caption resource, int32_t count) {
    switch (resource) {
        case Caption::Beer:
            return Join("Пиво - ", count);
        case Caption::Wine:
            return Join("Вино - ", count);
        case Caption::Vodka:
            return Join("Водка - ", count);
        case Caption::Moonshine:
            return Join("Самогон - ", count);
        case Caption::Vitamins:
            return Join("Витамины - ", count);
        case Caption::Injections:
            return Join("Инъекции - ", count);
        case Caption::Bread:
            return Join("Хлеб - ", count);
        case Caption::Stew:
            return Join("Тушенка - ", count);
        case Caption::Herring:
            return Join("Селедка - ", count);
        case Caption::Roses:
            return Join("Розы - ", count);
        case Caption::Bottles:
            return Join("Бутылки - ", count);
        default:
            throw RulesError("that caption is not a line of the resource list");
    }
}

std::string PriceText(int32_t total) { return Join("Цена: ", total, " руб."); }

std::string BottlesFoundText(int32_t bottles) { return Join("Бутылок собрано - ", bottles); }

std::string BeggedText(int32_t amount) { return Join("Отлично! Вы собрали ", amount, "!"); }

std::string TrainingLevelText(int32_t level) { return Join("Текущий уровень: ", level); }

std::string TrainingCostText(int32_t cost) { return Join("Стоимость обучения: ", cost); }

std::string DunkaGiftText(int32_t bottles) {
    return Join("Дуньке понравилось! Она дала вам ", bottles, " бутылок самогона!");
}

std::string_view EndingText(Ending ending) {
    switch (ending) {
        case Ending::Sobriety:
            return "Алкаш умер от недостатка горючих материалов в организме!";
        case Ending::Hunger:
            return "Алкаш умер от голода!";
        case Ending::Liver:
            return "Печень отвалилась!";
        case Ending::Victory:
            return "Алкаш допился до белочки! Поздравляем со \"счастливым\" концом!";
        case Ending::None:
            break;
    }
    throw RulesError("a game that has not ended has no ending message");
}

std::string MainWindowTitle(std::string_view playerName) {
    std::string s = "Burdomir - ";
    s += playerName;
    return s;
}

}  // namespace game
