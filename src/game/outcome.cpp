#include "game/outcome.h"

namespace game {

std::string_view Message::Title() const { return kind == MessageKind::Warning ? "Warning" : "Information"; }

Message Warning(std::string_view text) { return {MessageKind::Warning, std::string(text)}; }

Message Information(std::string_view text) { return {MessageKind::Information, std::string(text)}; }

std::optional<std::string> Outcome::TextOf(Caption caption) const {
    std::optional<std::string> found;
    for (const auto& c : captions)
        if (c.caption == caption) found = c.text;
    return found;
}

}  // namespace game
