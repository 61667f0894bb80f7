#include "skin/menu/menu_item.h"

namespace skin {

TMenuItem::TMenuItem(std::string caption, std::string name) : Caption(std::move(caption)), Name(std::move(name)) {}

TMenuItem& TMenuItem::Add(std::string caption, std::string name) {
    items_.push_back(std::make_unique<TMenuItem>(std::move(caption), std::move(name)));
    items_.back()->parent_ = this;
    return *items_.back();
}

bool TMenuItem::IsTitledSeparator() const {
    return !Enabled && Caption.size() >= 2 && Caption.front() == '-' && Caption.back() == '-';
}

void TMenuItem::Click() {
    // The handler may rebuild the menu this item belongs to: keep the handler alive.
    const auto handler = OnClick;
    if (handler) handler(*this);
}

std::vector<TMenuItem*> ShownChildren(const TMenuItem& parent, int first) {
    std::vector<TMenuItem*> shown;
    for (int i = first < 0 ? 0 : first; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items()[static_cast<std::size_t>(i)].get();
        if (!item->Visible) continue;
        if (item->IsSeparator() && (shown.empty() || shown.back()->IsSeparator())) continue;
        shown.push_back(item);
    }
    while (!shown.empty() && shown.back()->IsSeparator()) shown.pop_back();
    return shown;
}

}  // namespace skin
