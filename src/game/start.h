#pragma once

#include <optional>
#include <string_view>

#include "game/game.h"
#include "game/outcome.h"

namespace game {

constexpr size_t kMaxNameLength = 35;  // characters

// Re-seeds the generator and draws the start window's prompt; done once per run.
[[nodiscard]] std::string_view ChoosePrompt(Game& game);

// Checks the name exactly as typed ("Начать игру"): the warning that refuses it, or nothing
// when it is accepted. Blank names are names; length counts characters, not bytes.
[[nodiscard]] std::optional<Message> RefuseName(std::string_view typed);

}  // namespace game
