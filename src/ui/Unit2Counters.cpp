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

const TForm2::CounterView& TForm2::BuildCounterLines(controls::TspSkinGroupBox& group, game::Counter counter,
                                                     const CounterLayout& layout) {
    CounterView& view = counters_[IndexOf(counter)];
    view.slider = &group.Make<controls::TspSkinTrackBar>();
    view.slider->SetSkinData(&program_.Form1().spSkinData1);
    view.slider->SetBounds(8, 112, 100, 20);
    view.slider->SetMinValue(game::kMinQuantity);
    view.slider->SetMaxValue(game::kMaxQuantity);
    view.slider->SetValue(game::kMinQuantity);
    view.quantity = &AddLabel(group, {120, 112, 120, 112}, kLineFont, game::Decimal(game::kMinQuantity));
    const int left = layout.priceLeft;
    view.price = &AddLabel(group, {left, 84, left, 84}, kLineFont, game::PriceText(0));
    view.hint = &AddLabel(group, layout.hint, kHintFont, "");
    view.hint->SetWordWrap(true);
    view.picture = &AddPicture(group, {384, 40, 480, 136}, spPngImageList1, layout.picture);
    view.buy = &AddButton(group, {left, 110, left + 89, 135}, "Купить");

    view.slider->OnChange = [this, counter, &view](platform::Control&) {
        Apply(game::ChangeQuantity(game_, counter, view.slider->Value()));
    };
    // The pointer back on the group's own surface, off every good, empties the hint; the
    // picture stays.
    group.OnMouseEnter = [&view](platform::Control&) { view.hint->SetCaption(""); };
    view.buy->OnClick = [this, counter](platform::Control&) { Apply(game::BuySelected(game_, counter)); };
    captions_[layout.quantityCaption] = view.quantity;
    captions_[layout.priceCaption] = view.price;
    return view;
}

void TForm2::BuildGroceryCounter(controls::TspSkinGroupBox& group) {
    using game::Good;
    spSkinCheckRadioBox1 = &AddGood(group, Good::Beer, {8, 32, 113, 57});
    spSkinCheckRadioBox2 = &AddGood(group, Good::Wine, {8, 56, 113, 81});
    spSkinCheckRadioBox3 = &AddGood(group, Good::Vodka, {8, 80, 113, 105});
    spSkinCheckRadioBox8 = &AddGood(group, Good::Bread, {144, 32, 241, 57});
    spSkinCheckRadioBox7 = &AddGood(group, Good::Stew, {144, 56, 241, 81});
    spSkinCheckRadioBox6 = &AddGood(group, Good::Herring, {144, 80, 241, 105});
    const CounterView& view =
        BuildCounterLines(group, game::Counter::Grocery,
                          {248, {248, 40, 377, 81}, 0, game::Caption::GroceryQuantity, game::Caption::GroceryPrice});
    spSkinTrackBar1 = view.slider;
    Label1 = view.quantity;
    Label2 = view.price;
    Label18 = view.hint;
    spPngImageView1 = view.picture;
    spSkinButton1 = view.buy;
}

void TForm2::BuildPharmacyCounter(controls::TspSkinGroupBox& group) {
    spSkinCheckRadioBox4 = &AddGood(group, game::Good::Vitamins, {8, 32, 158, 57});
    spSkinCheckRadioBox5 = &AddGood(group, game::Good::Injections, {8, 64, 113, 89});
    const CounterView& view =
        BuildCounterLines(group, game::Counter::Pharmacy,
                          {168, {248, 40, 377, 81}, 6, game::Caption::PharmacyQuantity, game::Caption::PharmacyPrice});
    spSkinTrackBar2 = view.slider;
    Label3 = view.quantity;
    Label4 = view.price;
    Label19 = view.hint;
    spPngImageView2 = view.picture;
    spSkinButton2 = view.buy;
}

void TForm2::BuildMarketCounter(controls::TspSkinGroupBox& group) {
    spSkinCheckRadioBox10 = &AddGood(group, game::Good::Moonshine, {8, 32, 158, 57});
    spSkinCheckRadioBox9 = &AddGood(group, game::Good::Roses, {8, 64, 113, 89});
    const CounterView& view =
        BuildCounterLines(group, game::Counter::Market,
                          {168, {168, 32, 345, 73}, 8, game::Caption::MarketQuantity, game::Caption::MarketPrice});
    spSkinTrackBar3 = view.slider;
    Label9 = view.quantity;
    Label8 = view.price;
    Label17 = view.hint;
    spPngImageView3 = view.picture;
    spSkinButton5 = view.buy;
}

}  // namespace ui
