// The three purchase counters of the main window: the goods' radio boxes with their hover
// hints and pictures, the quantity and price lines and "Купить".
#include <string>

#include "game/shop.h"
#include "game/texts.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace ui {

namespace {

const gfx::Font kLineFont{"Arial", -13, 0, gfx::clBlack};
const gfx::Font kHintFont{"Arial", -11, 0, gfx::clBlack};

size_t IndexOf(game::Counter counter) { return static_cast<size_t>(counter); }

}  // namespace

controls::TspSkinCheckRadioBox& TForm2::AddGood(platform::WinControl& group, game::Good good, gfx::Rect bounds) {
    const game::GoodInfo& info = game::GoodOf(good);
    CounterView& view = counters_[IndexOf(info.counter)];
    auto& radio = AddRadio(group, bounds, static_cast<int>(IndexOf(info.counter)) + 1, std::string(info.caption));
    radio.OnClick = [this, good](platform::Control&) { Apply(game::SelectGood(game_, good)); };
    radio.OnMouseEnter = [&view, &info](platform::Control&) {
        view.picture->SetImageIndex(info.picture);
        view.hint->SetCaption(std::string(info.hint));
    };
    view.goods.emplace_back(good, &radio);
    return radio;
}

controls::TspSkinTrackBar& TForm2::AddQuantitySlider(platform::WinControl& group) {
    auto& slider = group.Make<controls::TspSkinTrackBar>();
    slider.SetSkinData(&program_.Form1().spSkinData1);
    slider.SetBounds(8, 112, 100, 20);
    slider.SetMinValue(game::kMinQuantity);
    slider.SetMaxValue(game::kMaxQuantity);
    slider.SetValue(game::kMinQuantity);
    return slider;
}

void TForm2::FinishCounter(controls::TspSkinGroupBox& group, game::Counter counter, game::Caption quantity,
                           game::Caption price) {
    CounterView& view = counters_[IndexOf(counter)];
    view.slider->OnChange = [this, counter, &view](platform::Control&) {
        Apply(game::ChangeQuantity(game_, counter, view.slider->Value()));
    };
    // The pointer back on the group's own surface, off every good, empties the hint; the
    // picture stays.
    group.OnMouseEnter = [&view](platform::Control&) { view.hint->SetCaption(""); };
    view.buy->OnClick = [this, counter](platform::Control&) { Apply(game::BuySelected(game_, counter)); };
    captions_[quantity] = view.quantity;
    captions_[price] = view.price;
}

void TForm2::BuildGroceryCounter(controls::TspSkinGroupBox& group) {
    using game::Good;
    spSkinCheckRadioBox1 = &AddGood(group, Good::Beer, {8, 32, 113, 57});
    spSkinCheckRadioBox2 = &AddGood(group, Good::Wine, {8, 56, 113, 81});
    spSkinCheckRadioBox3 = &AddGood(group, Good::Vodka, {8, 80, 113, 105});
    spSkinCheckRadioBox8 = &AddGood(group, Good::Bread, {144, 32, 241, 57});
    spSkinCheckRadioBox7 = &AddGood(group, Good::Stew, {144, 56, 241, 81});
    spSkinCheckRadioBox6 = &AddGood(group, Good::Herring, {144, 80, 241, 105});
    CounterView& view = counters_[IndexOf(game::Counter::Grocery)];
    view.slider = spSkinTrackBar1 = &AddQuantitySlider(group);
    view.quantity = Label1 = &AddLabel(group, {120, 112, 120, 112}, kLineFont, game::Decimal(game::kMinQuantity));
    view.price = Label2 = &AddLabel(group, {248, 84, 248, 84}, kLineFont, game::PriceText(0));
    view.hint = Label18 = &AddLabel(group, {248, 40, 377, 81}, kHintFont, "");
    Label18->SetWordWrap(true);
    view.picture = spPngImageView1 = &AddPicture(group, {384, 40, 480, 136}, spPngImageList1, 0);
    view.buy = spSkinButton1 = &AddButton(group, {248, 110, 337, 135}, "Купить");
    FinishCounter(group, game::Counter::Grocery, game::Caption::GroceryQuantity, game::Caption::GroceryPrice);
}

void TForm2::BuildPharmacyCounter(controls::TspSkinGroupBox& group) {
    spSkinCheckRadioBox4 = &AddGood(group, game::Good::Vitamins, {8, 32, 158, 57});
    spSkinCheckRadioBox5 = &AddGood(group, game::Good::Injections, {8, 64, 113, 89});
    CounterView& view = counters_[IndexOf(game::Counter::Pharmacy)];
    view.slider = spSkinTrackBar2 = &AddQuantitySlider(group);
    view.quantity = Label3 = &AddLabel(group, {120, 112, 120, 112}, kLineFont, game::Decimal(game::kMinQuantity));
    view.price = Label4 = &AddLabel(group, {168, 84, 168, 84}, kLineFont, game::PriceText(0));
    view.hint = Label19 = &AddLabel(group, {248, 40, 377, 81}, kHintFont, "");
    Label19->SetWordWrap(true);
    view.picture = spPngImageView2 = &AddPicture(group, {384, 40, 480, 136}, spPngImageList1, 6);
    view.buy = spSkinButton2 = &AddButton(group, {168, 110, 257, 135}, "Купить");
    FinishCounter(group, game::Counter::Pharmacy, game::Caption::PharmacyQuantity, game::Caption::PharmacyPrice);
}

void TForm2::BuildMarketCounter(controls::TspSkinGroupBox& group) {
    spSkinCheckRadioBox10 = &AddGood(group, game::Good::Moonshine, {8, 32, 158, 57});
    spSkinCheckRadioBox9 = &AddGood(group, game::Good::Roses, {8, 64, 113, 89});
    CounterView& view = counters_[IndexOf(game::Counter::Market)];
    view.slider = spSkinTrackBar3 = &AddQuantitySlider(group);
    view.quantity = Label9 = &AddLabel(group, {120, 112, 120, 112}, kLineFont, game::Decimal(game::kMinQuantity));
    view.price = Label8 = &AddLabel(group, {168, 84, 168, 84}, kLineFont, game::PriceText(0));
    view.hint = Label17 = &AddLabel(group, {168, 32, 345, 73}, kHintFont, "");
    Label17->SetWordWrap(true);
    view.picture = spPngImageView3 = &AddPicture(group, {384, 40, 480, 136}, spPngImageList1, 8);
    view.buy = spSkinButton5 = &AddButton(group, {168, 110, 257, 135}, "Купить");
    FinishCounter(group, game::Counter::Market, game::Caption::MarketQuantity, game::Caption::MarketPrice);
}

}  // namespace ui
