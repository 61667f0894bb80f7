#include "game/start.h"

#include <algorithm>

#include "game/tables.h"
#include "game/texts.h"

namespace game {
namespace {

// UTF-8 continuation bytes (10xxxxxx) belong to the character before them.
size_t CharacterCount(std::string_view text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string_view ChoosePrompt(Game& game) {
    const auto prompts = NamePrompts();
    game.Rng().Reseed();
    return prompts[game.Rng().Next(static_cast<uint32_t>(prompts.size()))];
}

std::optional<Message> RefuseName(std::string_view typed) {
    if (typed.empty()) return Warning(text::EmptyName);
    if (CharacterCount(typed) > kMaxNameLength) return Warning(text::NameTooLong);
    return std::nullopt;
}

}  // namespace game
