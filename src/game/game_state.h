#pragma once

#include <cstdint>

namespace game {

// The whole state of one game. Fields keep the order and the names the rest of the program
// uses; every operation reads and writes them directly and keeps its own field in range.
struct GameState {
    int32_t Beer = 0;
    int32_t Wine = 0;
    int32_t Vodka = 0;
    int32_t Bread = 0;
    int32_t Stew = 0;
    int32_t Herring = 0;
    int32_t Vitamins = 0;
    int32_t Injections = 0;
    int32_t Moonshine = 0;
    int32_t Roses = 0;
    int32_t Bottles = 0;
    int32_t Money = 1000;
    int32_t Day = 0;
    int32_t Hour = 0;
    int32_t Drunkenness = 40;
    int32_t Satiety = 90;
    int32_t Liver = 90;
    int32_t StageDays = 1;
    int32_t Stage = 1;
    int32_t Rank = 1;
    int32_t SenseiLevel = 0;
    int32_t Salary = 100;
    int32_t Notoriety = 0;
    int32_t PetrovichDays = 5;
    int32_t CanSearchBottles = 1;
    int32_t Speed = 3;

    friend bool operator==(const GameState&, const GameState&) = default;
};

}  // namespace game
