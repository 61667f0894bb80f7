#include "game/tables.h"

#include <array>
#include <string>

#include "game/rules_error.h"

namespace game {
namespace {

constexpr std::array<StageRow, 6> kStages{{
    {"Злоупотребляющий", 20, 8, 0},
    {"Начальные признаки", 15, 14, 0},
    {"Продром (нулевая стадия)", 10, 20, 2},
    {"Первая стадия", 5, 25, 4},
    {"Вторая стадия", 0, 30, 6},
    {"Третья стадия", 0, 35, 10},
}};

constexpr std::array<std::string_view, 4> kCountdown{
    "До изменения осталось 4 дня",
    "До изменения осталось 3 дня",
    "До изменения осталось 2 дня",
    "До изменения осталося 1 день",
};

constexpr std::array<BrigadeRow, 5> kBrigade{{
    {100, 200, "Для повышения нужно накопить 200 бутылок"},
    {200, 560, "Для повышения нужно накопить 560 бутылок"},
    {300, 1100, "Для повышения нужно накопить 1100 бутылок"},
    {400, 1800, "Для повышения нужно накопить 1800 бутылок"},
    {500, 0, ""},
}};

constexpr std::array<std::string_view, 5> kRankNames{"Рядовой", "Опытный", "Бригадир", "Зам. Главного", "Главный"};

constexpr std::array<int, 4> kIntervals{4000, 2000, 1000, 500};

constexpr std::array<BegPlaceRow, 3> kPlaces{{
    {"На улице", 40, 12, false, "Дают немного. Есть вероятность нарваться на гопников."},
    {"В переходе", 70, 20, false, "Можно собрать больше. Гопоты тоже больше ))"},
    {"Около супермаркета", 150, 38, true, "Лучшее место, но охрана может хорошо вломить."},
}};

constexpr std::array<BegPhraseRow, 3> kPhrases{{
    {"Не хватает на бухло", -10, -2},
    {"Нет денег на презервативы", 10, 2},
    {"Подайте разорившемуся бизнесмену", 15, 4},
}};

constexpr std::array<std::string_view, 5> kPrompts{
    "Выберите имя синюшника:", "И как назовем алконавта?",   "Введите имя алкача:",
    "Как назовемся?",          "Какое имя дадим алкозавру?",
};

// Indexed by PetrovichDays 2..5.
constexpr std::array<int32_t, 4> kPetrovich{41, 34, 27, 20};
// Indexed by roses given 1..7; more than seven count as seven.
constexpr std::array<int32_t, 7> kDunka{80, 70, 60, 50, 40, 30, 20};

constexpr std::array<std::string_view, 6> kActionHints{
    "Основной промысел. Для ускорения сбора оттачивайте мастерство у сенсея.",
    "Хороший шанс встретить сердобольных прохожих, но менты или гопники могут вломить по печени.",
    "За определенную плату можно повысить свой уровень профессионализма по сбору пустых бутылок.",
    "Если совсем прижмет с деньгами. Учтите, что сдача бутылок затормозит ваш карьерный рост в "
    "бригаде алкашей.",
    "Для соблазнения нужны розы. При успехе, Дунька даст много бесплатной самогонки!",
    "Можно выпросить. Но часто давать не будет )))",
};

// Looks up the row of a value whose table starts at first, refusing values outside the
// table instead of reading past it.
template <typename T, size_t N>
const T& Row(const std::array<T, N>& table, int32_t value, int32_t first, const char* what) {
    const int64_t index = int64_t{value} - first;
    if (index < 0 || index >= static_cast<int64_t>(N))
        throw RulesError(std::string(what) + " " + std::to_string(value) + " is outside " + std::to_string(first) +
                         ".." + std::to_string(first + int32_t{N} - 1));
    return table[static_cast<size_t>(index)];
}

}  // namespace

const StageRow& StageOf(int32_t stage) { return Row(kStages, stage, 1, "stage"); }

std::string_view StageCountdown(int32_t stageDays) {
    return Row(kCountdown, stageDays, 0, "days counted toward the next stage");
}

const BrigadeRow& BrigadeOf(int32_t rank) { return Row(kBrigade, rank, 1, "rank"); }

std::string_view RankName(int32_t rank) { return Row(kRankNames, rank, 1, "rank"); }

int TickIntervalMs(int32_t speed) { return Row(kIntervals, speed, kMinSpeed, "speed"); }

const BegPlaceRow& BegPlaceOf(BegPlace place) { return kPlaces.at(static_cast<size_t>(place)); }

const BegPhraseRow& BegPhraseOf(BegPhrase phrase) { return kPhrases.at(static_cast<size_t>(phrase)); }

std::span<const std::string_view> NamePrompts() { return kPrompts; }

std::optional<int32_t> PetrovichThreshold(int32_t petrovichDays) {
    if (petrovichDays < 2) return std::nullopt;
    return Row(kPetrovich, petrovichDays, 2, "days since Petrovich was asked");
}

int32_t DunkaThreshold(int32_t roses) {
    if (roses < 1) throw RulesError("Dunka can only be given one rose or more, not " + std::to_string(roses));
    return roses >= 7 ? kDunka.back() : kDunka[static_cast<size_t>(roses - 1)];
}

int32_t TrainingCost(int32_t senseiLevel) { return 200 * senseiLevel + 300; }

std::string_view ActionHint(ActionLabel action) { return kActionHints.at(static_cast<size_t>(action)); }

}  // namespace game
