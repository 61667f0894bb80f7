#include "skin/menu/skin_menu.h"

#include "platform/application.h"
#include "platform/form.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_popup_window.h"
#include "skin/skin_data.h"

namespace skin {

namespace {
constexpr int kSubmenuWaitMs = 500;
}

TspSkinMenu::TspSkinMenu(platform::Form& owner)
    : platform::Component(&owner), owner_(owner), wait_(owner.App(), this), reaper_(owner.App(), this) {
    wait_.SetEnabled(false);
    wait_.SetInterval(kSubmenuWaitMs);
    wait_.OnTimer = [this](platform::Timer&) {
        TspSkinPopupWindow* level = waitLevel_;
        const int index = waitIndex_;
        StopWaiting();
        if (level && LevelOf(*level) >= 0) OpenSubmenu(*level, index);
    };
    reaper_.SetEnabled(false);
    reaper_.SetInterval(1);
    reaper_.OnTimer = [this](platform::Timer&) {
        reaper_.SetEnabled(false);
        retired_.clear();
    };
}

TspSkinMenu::~TspSkinMenu() {
    levels_.clear();
    retired_.clear();
}

void TspSkinMenu::SetSkinData(TspSkinData* data) {
    if (data == skinData_) return;
    if (skinData_) RemoveFreeNotification(skinData_);
    skinData_ = data;
    if (skinData_) FreeNotification(skinData_);
}

void TspSkinMenu::ComponentRemoved(platform::Component* removed) {
    if (removed != skinData_) return;
    skinData_ = nullptr;
    CloseMenu();
}

void TspSkinMenu::Popup(platform::Control* opener, TMenuItem& item, const gfx::Rect& anchor, bool upwards, int first) {
    if (open_) CloseFrom(0);
    if (ShownChildren(item, first).empty()) return;
    workArea_ = owner_.App().WorkArea();
    opener_ = opener;
    open_ = true;
    ShowLevel(item, first, anchor, false, upwards);
}

void TspSkinMenu::ShowLevel(TMenuItem& item, int first, const gfx::Rect& anchor, bool submenu, bool upwards) {
    auto level = std::make_unique<TspSkinPopupWindow>(*this, item, first);
    TspSkinPopupWindow& ref = *level;
    levels_.push_back(std::move(level));
    ref.Build(anchor, submenu, upwards);
}

void TspSkinMenu::CloseMenu() {
    if (!open_) return;
    CloseFrom(0);
    owner_.Notify({platform::Message::MenuClosed, this});
}

void TspSkinMenu::CloseFrom(int level) {
    if (level < 0) level = 0;
    while (LevelCount() > level) {
        std::unique_ptr<TspSkinPopupWindow> popup = std::move(levels_.back());
        levels_.pop_back();
        if (waitLevel_ == popup.get()) StopWaiting();
        popup->Hide();
        Retire(std::move(popup));
    }
    if (level > 0) {
        Level(level - 1).SubmenuClosed();
        return;
    }
    if (!open_) return;
    StopWaiting();
    open_ = false;
    platform::Control* opener = opener_;
    opener_ = nullptr;
    if (opener) opener->Notify({platform::Message::MenuClosed, this});
}

void TspSkinMenu::Retire(std::unique_ptr<TspSkinPopupWindow> level) {
    retired_.push_back(std::move(level));
    reaper_.SetEnabled(true);
}

int TspSkinMenu::LevelOf(const TspSkinPopupWindow& popup) const {
    for (int i = 0; i < LevelCount(); ++i)
        if (levels_[static_cast<std::size_t>(i)].get() == &popup) return i;
    return -1;
}

void TspSkinMenu::OpenSubmenu(TspSkinPopupWindow& level, int index) {
    StopWaiting();
    const int at = LevelOf(level);
    if (at < 0 || index < 0 || index >= static_cast<int>(level.Items().size())) return;
    TMenuItem& item = level.Items()[static_cast<std::size_t>(index)]->Item();
    if (ShownChildren(item, 0).empty()) return;
    CloseFrom(at + 1);
    level.MarkOpened(index);
    ShowLevel(item, 0, level.ItemScreenRect(index), true, false);
}

void TspSkinMenu::WaitForSubmenu(TspSkinPopupWindow& level, int index) {
    waitLevel_ = &level;
    waitIndex_ = index;
    wait_.SetEnabled(false);
    wait_.SetEnabled(true);
}

void TspSkinMenu::StopWaiting() {
    wait_.SetEnabled(false);
    waitLevel_ = nullptr;
    waitIndex_ = -1;
}

void TspSkinMenu::ActivateItem(TspSkinPopupWindow& level, int index) {
    if (index < 0 || index >= static_cast<int>(level.Items().size())) return;
    TMenuItem& item = level.Items()[static_cast<std::size_t>(index)]->Item();
    if (!item.Selectable()) return;
    if (!ShownChildren(item, 0).empty()) {
        OpenSubmenu(level, index);
        return;
    }
    platform::Control* opener = opener_;
    CloseFrom(0);
    item.Click();
    if (opener) opener->Notify({platform::Message::MenuCommandDone, this});
}

}  // namespace skin
