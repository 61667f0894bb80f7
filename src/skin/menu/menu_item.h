#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace skin {

// One entry of a menu: a command, a separator (caption "-") or a submenu (it has items).
// Items own their children; a menu is a root item whose children are its first level.
class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(std::string caption, std::string name = {});
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    // The text shown, with '&' marking the accelerator; "-" makes a separator.
    std::string Caption;
    // The item's name; the system menu's items are named after their command.
    std::string Name;
    // The shortcut shown right-aligned after the caption ("Alt+F4"); empty for none.
    std::string ShortCutText;
    bool Checked = false;
    // A checked radio item shows the radio mark instead of the check mark.
    bool RadioItem = false;
    bool Enabled = true;
    bool Visible = true;
    // Carries out the item's command.
    std::function<void(TMenuItem& sender)> OnClick;

    // Adds a child at the end and returns it.
    TMenuItem& Add(std::string caption, std::string name = {});
    [[nodiscard]] const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] TMenuItem* Parent() const { return parent_; }
    void Clear() { items_.clear(); }

    [[nodiscard]] bool IsSeparator() const { return Caption == "-"; }
    // A disabled item whose caption starts and ends with "-" is drawn as a titled separator.
    [[nodiscard]] bool IsTitledSeparator() const;
    // Whether choosing the item can run it: enabled and not a separator.
    [[nodiscard]] bool Selectable() const { return Enabled && !IsSeparator(); }
    // Runs OnClick.
    void Click();

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
    TMenuItem* parent_ = nullptr;
};

// The visible children of parent from index first on, without the separators a reader would
// find redundant: those at either end and the second of two in a row.
[[nodiscard]] std::vector<TMenuItem*> ShownChildren(const TMenuItem& parent, int first);

}  // namespace skin
