// The main window's status line and the contents of its tabs "Ресурсы", "Тушка" and "Город"
// and of the market's action group, with their hover hints.
#include <string>

#include "game/career.h"
#include "game/tables.h"
#include "game/texts.h"
#include "platform/data_paths.h"
#include "platform/shell.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace ui {

namespace {

// Pure blue, the colour of an action label under the pointer.
constexpr gfx::Color kHotActionColor = 0xFF0000;

const gfx::Font kStatusFont{"Arial", -16, gfx::fsBold, gfx::clBlack};
const gfx::Font kResourceFont{"Arial", -15, 0, gfx::clBlack};
const gfx::Font kBodyFont{"Arial", -15, 0, gfx::clBlack};
const gfx::Font kLineFont{"Arial", -13, 0, gfx::clBlack};
const gfx::Font kHintFont{"Arial", -11, 0, gfx::clBlack};
const gfx::Font kActionFont{"Arial", -15, gfx::fsUnderline, gfx::clBtnText};

// The link names the players' help page that it opens.
constexpr std::string_view kLinkCaption = "Справка по игре - Узнай сколько ты можешь выпить!";
constexpr std::string_view kHelpMissingText = "Справка не найдена: рядом с игрой нет файла help/index.html.";
constexpr std::string_view kHelpNotOpenedText =
    "Не удалось открыть справку: в системе не найдена программа xdg-open, которая открывает страницы.";

constexpr std::string_view kStageRuleText =
    "Меняется если в течении 4-х дней нажратость была выже 50%. С увеличением стадии все больше требуется "
    "алкоголя и медикаментов, но еды нужно значительно меньше.";
constexpr std::string_view kStageRuleHoverText =
    "Меняется если в течении 5-и дней нажратость была выже 40%. С увеличением степени все больше требуется "
    "алкоголя и медикаментов, но еды нужно меньше!";

}  // namespace

platform::TLabel& TForm2::AddLabel(platform::WinControl& parent, gfx::Rect bounds, const gfx::Font& font,
                                   std::string caption) {
    auto& label = parent.Make<platform::TLabel>();
    label.SetFont(font);
    label.SetTransparent(true);
    // A zero size means "sized to the text", as the designed labels without a size are.
    if (bounds.width() > 0) label.SetAutoSize(false);
    label.SetBounds(bounds);
    label.SetCaption(std::move(caption));
    return label;
}

controls::TspSkinButton& TForm2::AddButton(platform::WinControl& parent, gfx::Rect bounds, std::string caption) {
    auto& button = parent.Make<controls::TspSkinButton>();
    button.SetSkinData(&program_.Form1().spSkinData1);
    button.SetSkinDataName("button");
    button.SetBounds(bounds);
    button.SetCaption(std::move(caption));
    return button;
}

controls::TspSkinCheckRadioBox& TForm2::AddRadio(platform::WinControl& parent, gfx::Rect bounds, int group,
                                                 std::string caption) {
    auto& radio = parent.Make<controls::TspSkinCheckRadioBox>();
    radio.SetSkinData(&program_.Form1().spSkinData1);
    radio.SetSkinDataName("radiobox");
    radio.SetRadio(true);
    radio.SetGroupIndex(group);
    radio.SetBounds(bounds);
    radio.SetCaption(std::move(caption));
    return radio;
}

controls::TspPngImageView& TForm2::AddPicture(platform::WinControl& parent, gfx::Rect bounds,
                                              controls::TspPngImageList& list, int index) {
    auto& view = parent.Make<controls::TspPngImageView>();
    view.SetAutoSize(false);
    view.SetCenter(true);
    view.SetBounds(bounds);
    view.SetPngImageList(&list);
    view.SetImageIndex(index);
    return view;
}

void TForm2::BuildStatusLine() {
    Label40 = &AddLabel(*this, {16, 376, 153, 401}, kStatusFont, game::MoneyText(game_.State.Money));
    Label44 = &AddLabel(*this, {152, 376, 152, 376}, kStatusFont, game::DayText(game_.State.Day));
    Label41 = &AddLabel(*this, {240, 376, 353, 401}, kStatusFont, game::HourText(game_.State.Hour));
    Label45 = &AddLabel(*this, {368, 376, 368, 376}, kStatusFont, game::SpeedText(game_.State.Speed));
    captions_[game::Caption::Money] = Label40;
    captions_[game::Caption::Day] = Label44;
    captions_[game::Caption::Hour] = Label41;
    captions_[game::Caption::Speed] = Label45;

    spSkinUpDown1 = &Make<controls::TspSkinUpDown>();
    spSkinUpDown1->SetSkinData(&program_.Form1().spSkinData1);
    spSkinUpDown1->SetOrientation(controls::TUDOrientation::udVertical);
    spSkinUpDown1->SetSkinDataName("vupdown");
    spSkinUpDown1->SetBounds(472, 376, 25, 17);
    spSkinUpDown1->OnUpButtonClick = [this](platform::Control&) { spSkinUpDown1UpButtonClick(); };
    spSkinUpDown1->OnDownButtonClick = [this](platform::Control&) { spSkinUpDown1DownButtonClick(); };

    spSkinLinkLabel1 = &Make<controls::TspSkinLinkLabel>();
    spSkinLinkLabel1->SetSkinData(&program_.Form1().spSkinData1);
    spSkinLinkLabel1->SetAutoSize(false);
    spSkinLinkLabel1->SetBounds(40, 416, 461, 22);
    spSkinLinkLabel1->SetCaption(std::string(kLinkCaption));
    spSkinLinkLabel1->URL = platform::DataPaths::HelpPageUrl().value_or("");
    spSkinLinkLabel1->OnClick = [this](platform::Control&) { spSkinLinkLabel1Click(); };
    spSkinLinkLabel1->OpenAddress = [this](const std::string& url) { return OpenHelpPage(url); };
}

void TForm2::spSkinLinkLabel1Click() {
    if (spSkinLinkLabel1->URL.empty()) Apply({.messages = {game::Warning(kHelpMissingText)}});
}

bool TForm2::OpenHelpPage(const std::string& url) {
    if (platform::Shell::Open(url)) return true;
    Apply({.messages = {game::Warning(kHelpNotOpenedText)}});
    return false;
}

controls::TspSkinGroupBox& TForm2::AddGroup(platform::WinControl& sheet, gfx::Rect bounds, std::string caption) {
    auto& group = sheet.Make<controls::TspSkinGroupBox>();
    group.SetSkinData(&program_.Form1().spSkinData1);
    group.SetBounds(bounds);
    group.SetCaption(std::move(caption));
    return group;
}

void TForm2::BuildPages() {
    spSkinPageControl1 = &Make<controls::TspSkinPageControl>();
    spSkinPageControl1->SetSkinData(&program_.Form1().spSkinData1);
    spSkinPageControl1->SetBounds(16, 16, 513, 353);
    spSkinTabSheet1 = &spSkinPageControl1->NewPage<controls::TspSkinTabSheet>("Ресурсы");
    spSkinTabSheet2 = &spSkinPageControl1->NewPage<controls::TspSkinTabSheet>("Тушка");
    spSkinTabSheet3 = &spSkinPageControl1->NewPage<controls::TspSkinTabSheet>("Город");
    spSkinTabSheet4 = &spSkinPageControl1->NewPage<controls::TspSkinTabSheet>("Рынок");
    spSkinTabSheet5 = &spSkinPageControl1->NewPage<controls::TspSkinTabSheet>("Магазин");

    BuildResourcesTab(*spSkinTabSheet1);
    BuildBodyTab(*spSkinTabSheet2);
    spSkinGroupBox5 = &AddGroup(*spSkinTabSheet3, {8, 8, 505, 158}, "Бригада алкашей собирателей бутылок");
    BuildBrigadeGroup(*spSkinGroupBox5);
    spSkinGroupBox6 = &AddGroup(*spSkinTabSheet3, {8, 168, 505, 318}, "Действия");
    BuildStreetGroup(*spSkinGroupBox6);
    spSkinGroupBox3 = &AddGroup(*spSkinTabSheet4, {8, 8, 505, 158}, "Товары");
    BuildMarketCounter(*spSkinGroupBox3);
    spSkinGroupBox4 = &AddGroup(*spSkinTabSheet4, {8, 168, 505, 318}, "Действия");
    BuildMarketActionsGroup(*spSkinGroupBox4);
    spSkinGroupBox1 = &AddGroup(*spSkinTabSheet5, {8, 8, 505, 158}, "Продуктовый");
    BuildGroceryCounter(*spSkinGroupBox1);
    spSkinGroupBox2 = &AddGroup(*spSkinTabSheet5, {8, 168, 505, 318}, "Аптека");
    BuildPharmacyCounter(*spSkinGroupBox2);

    spSkinPageControl1->SetActivePage(spSkinTabSheet2);
    spSkinTabSheet1->OnShow = [this](controls::TTabSheet&) { spSkinTabSheet1Show(); };
    spSkinTabSheet2->OnShow = [this](controls::TTabSheet&) { spSkinTabSheet2Show(); };
    spSkinTabSheet3->OnShow = [this](controls::TTabSheet&) { spSkinTabSheet3Show(); };
    spSkinPageControl1->OnChange = [this](controls::TPageControl&) { spSkinPageControl1Change(); };
}

void TForm2::BuildResourcesTab(platform::WinControl& sheet) {
    const struct {
        platform::TLabel** label;
        game::Caption caption;
        int left;
        int top;
    } lines[] = {
        {&Label29, game::Caption::Beer, 48, 24},      {&Label30, game::Caption::Wine, 48, 72},
        {&Label31, game::Caption::Vodka, 48, 120},    {&Label32, game::Caption::Moonshine, 48, 168},
        {&Label33, game::Caption::Vitamins, 48, 216}, {&Label34, game::Caption::Injections, 48, 264},
        {&Label39, game::Caption::Bread, 256, 24},    {&Label38, game::Caption::Stew, 256, 72},
        {&Label37, game::Caption::Herring, 256, 120}, {&Label36, game::Caption::Roses, 256, 168},
        {&Label35, game::Caption::Bottles, 256, 216},
    };
    for (const auto& line : lines) {
        auto& label = AddLabel(sheet, {line.left, line.top, line.left + 200, line.top + 45}, kResourceFont,
                               game::ResourceText(line.caption, 0));
        label.SetTransparent(false);
        label.SetColor(0xC0C0C0);
        label.SetAlignment(platform::Alignment::Center);
        *line.label = &label;
        captions_[line.caption] = &label;
    }
}

void TForm2::BuildBodyTab(platform::WinControl& sheet) {
    const game::GameState& s = game_.State;
    const struct {
        platform::TLabel** title;
        platform::TProgressBar** bar;
        platform::TLabel** value;
        game::Gauge gauge;
        const char* caption;
        int32_t amount;
        int top;
    } rows[] = {
        {&Label21, &ProgressBar1, &Label25, game::Gauge::Drunkenness, "Нажратость:", s.Drunkenness, 24},
        {&Label22, &ProgressBar2, &Label26, game::Gauge::Satiety, "Сытость:", s.Satiety, 88},
        {&Label23, &ProgressBar3, &Label27, game::Gauge::Liver, "Печень:", s.Liver, 152},
    };
    for (const auto& row : rows) {
        *row.title = &AddLabel(sheet, {24, row.top, 24, row.top}, kBodyFont, row.caption);
        auto& bar = sheet.Make<platform::TProgressBar>();
        bar.SetBounds(24, row.top + 24, 200, 25);
        bar.SetSmooth(true);
        bar.SetMin(0);
        bar.SetMax(100);
        bar.SetPosition(row.amount);
        *row.bar = &bar;
        *row.value = &AddLabel(sheet, {176, row.top, 176, row.top}, kBodyFont, game::GaugeText(row.amount));
        gauges_[row.gauge] = {&bar, *row.value};
    }
    spSkinButton3 = &AddButton(sheet, {240, 48, 329, 73}, "Выпить");
    spSkinButton4 = &AddButton(sheet, {240, 112, 329, 137}, "Пожрать");
    spSkinButton6 = &AddButton(sheet, {240, 176, 329, 201}, "Лечить");

    Label24 = &AddLabel(sheet, {24, 232, 24, 232}, kBodyFont, "Стадия алкоголизма:");
    Label28 = &AddLabel(sheet, {176, 232, 176, 232}, kBodyFont, std::string(game::StageOf(s.Stage).name));
    Label42 = &AddLabel(sheet, {24, 256, 24, 256}, kBodyFont, std::string(game::StageCountdown(0)));
    Label42->OnMouseEnter = [this](platform::TLabel&) { Label42MouseEnter(); };
    Label43 = &AddLabel(sheet, {24, 280, 393, 321}, kHintFont, std::string(kStageRuleText));
    Label43->SetWordWrap(true);
    captions_[game::Caption::StageName] = Label28;
    captions_[game::Caption::StageCountdown] = Label42;

    spPngImageView5 = &AddPicture(sheet, {360, 24, 488, 170}, spPngImageList2, 0);
}

void TForm2::Label42MouseEnter() { Label43->SetCaption(std::string(kStageRuleHoverText)); }

void TForm2::BuildBrigadeGroup(controls::TspSkinGroupBox& group) {
    controls::TspSkinCheckRadioBox** boxes[] = {&spSkinCheckRadioBox11, &spSkinCheckRadioBox12, &spSkinCheckRadioBox13,
                                                &spSkinCheckRadioBox14, &spSkinCheckRadioBox15};
    for (int rank = 1; rank <= game::kTopRank; ++rank) {
        const int top = 24 + (rank - 1) * 24;
        const int width = rank == 4 ? 121 : 105;
        auto& box = AddRadio(group, {8, top, 8 + width, top + 25}, 1, std::string(game::RankName(rank)));
        box.SetChecked(rank == game_.State.Rank);
        box.SetEnabled(rank == game_.State.Rank);
        if (rank > 1) box.OnClick = [this, rank](platform::Control&) { Apply(game::Promote(game_, rank)); };
        *boxes[rank - 1] = &box;
        rankBoxes_[rank] = &box;
    }
    Label15 = &AddLabel(group, {136, 28, 136, 28}, kLineFont, game::SalaryText(game_.State.Salary));
    Label16 =
        &AddLabel(group, {136, 48, 297, 89}, kLineFont, std::string(game::BrigadeOf(game_.State.Rank).promotionHint));
    Label16->SetWordWrap(true);
    Label20 = &AddLabel(group, {136, 124, 136, 124}, kLineFont, game::SenseiLevelText(game_.State.SenseiLevel));
    captions_[game::Caption::Salary] = Label15;
    captions_[game::Caption::PromotionHint] = Label16;
    captions_[game::Caption::SenseiLevel] = Label20;
    spPngImageView4 = &AddPicture(group, {384, 40, 480, 136}, spPngImageList1, 10);
}

platform::TLabel& TForm2::AddActionLabel(platform::WinControl& group, gfx::Point at, std::string caption,
                                         platform::TLabel& hintLabel, std::string_view hint) {
    auto& label = AddLabel(group, {at.x, at.y, at.x, at.y}, kActionFont, std::move(caption));
    label.ControlCursor = platform::Cursor::HandPoint;
    label.OnMouseEnter = [&hintLabel, hint](platform::TLabel& sender) {
        gfx::Font font = sender.Font();
        font.FontColor = kHotActionColor;
        sender.SetFont(font);
        hintLabel.SetCaption(std::string(hint));
    };
    actionGroups_[&hintLabel].push_back(&label);
    return label;
}

void TForm2::ClearActionHints(platform::TLabel& hintLabel) {
    hintLabel.SetCaption("");
    for (platform::TLabel* label : actionGroups_[&hintLabel]) {
        gfx::Font font = label->Font();
        font.FontColor = gfx::clBtnText;
        label->SetFont(font);
    }
}

void TForm2::BuildStreetGroup(controls::TspSkinGroupBox& group) {
    Label14 = &AddLabel(group, {272, 32, 433, 145}, kHintFont, "");
    Label14->SetWordWrap(true);
    using game::ActionLabel;
    Label10 = &AddActionLabel(group, {8, 32}, "Искать пустые бутылки", *Label14,
                              game::ActionHint(ActionLabel::SearchBottles));
    Label11 = &AddActionLabel(group, {8, 56}, "Просить милостыню", *Label14, game::ActionHint(ActionLabel::Beg));
    Label12 = &AddActionLabel(group, {8, 80}, "Учиться у сенсея Сунь Хрен Вчай", *Label14,
                              game::ActionHint(ActionLabel::Training));
    Label13 = &AddActionLabel(group, {8, 104}, "Сдать бутылки", *Label14, game::ActionHint(ActionLabel::ReturnBottles));
    group.OnMouseEnter = [this](platform::Control&) { ClearActionHints(*Label14); };
}

void TForm2::BuildMarketActionsGroup(controls::TspSkinGroupBox& group) {
    Label7 = &AddLabel(group, {272, 32, 433, 145}, kHintFont, "");
    Label7->SetWordWrap(true);
    using game::ActionLabel;
    Label5 =
        &AddActionLabel(group, {8, 40}, "Соблазнить продавщицу Дуньку", *Label7, game::ActionHint(ActionLabel::Seduce));
    Label6 = &AddActionLabel(group, {8, 80}, "Спросить полтяш у Петровича", *Label7,
                             game::ActionHint(ActionLabel::AskPetrovich));
    Label6->OnClick = [this](platform::TLabel&) { Apply(game::AskPetrovich(game_)); };
    group.OnMouseEnter = [this](platform::Control&) { ClearActionHints(*Label7); };
}

}  // namespace ui
