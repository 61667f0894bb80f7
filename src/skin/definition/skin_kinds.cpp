#include "skin/definition/skin_kinds.h"

#include <array>
#include <string>

#include "skin/definition/ini_file.h"
#include "skin/records/data_skin_control_buttons.h"
#include "skin/records/data_skin_control_containers.h"
#include "skin/records/data_skin_control_lists.h"
#include "skin/records/data_skin_control_ranges.h"
#include "skin/records/data_skin_control_text.h"

namespace skin {

namespace {

constexpr std::string_view kObjectsSection = "SKINOBJECTS";
constexpr std::string_view kControlsSection = "SKINCONTROLS";

template <class Base>
struct KindRow {
    std::string_view kind;
    std::unique_ptr<Base> (*create)();
};

template <class Record, class Base>
std::unique_ptr<Base> Make() {
    return std::make_unique<Record>();
}

using ObjectRow = KindRow<TspDataSkinObject>;
using ControlRow = KindRow<TspDataSkinControl>;

constexpr ObjectRow kObjectRows[] = {
    {"menuitem", Make<TspDataSkinMenuItem, TspDataSkinObject>},
    {"mainmenubaritem", Make<TspDataSkinMainMenuBarItem, TspDataSkinObject>},
    {"mainmenuitem", Make<TspDataSkinMainMenuItem, TspDataSkinObject>},
    {"stdbutton", Make<TspDataSkinStdButton, TspDataSkinObject>},
    {"mainmenubarbutton", Make<TspDataSkinMainMenuBarButton, TspDataSkinObject>},
    {"button", Make<TspDataSkinButton, TspDataSkinObject>},
    {"caption", Make<TspDataSkinCaption, TspDataSkinObject>},
    {"trackbar", Make<TspDataSkinTrackBar, TspDataSkinObject>},
    {"gauge", Make<TspDataSkinGauge, TspDataSkinObject>},
    {"framegauge", Make<TspDataSkinFrameGaugeObject, TspDataSkinObject>},
    {"frameregulator", Make<TspDataSkinFrameRegulatorObject, TspDataSkinObject>},
    {"label", Make<TspDataSkinLabel, TspDataSkinObject>},
    {"bitlabel", Make<TspDataSkinBitLabel, TspDataSkinObject>},
    {"switch", Make<TspDataSkinSwitch, TspDataSkinObject>},
    {"animate", Make<TspDataSkinAnimate, TspDataSkinObject>},
    {"userobject", Make<TspDataUserObject, TspDataSkinObject>},
};

constexpr ControlRow kControlRows[] = {
    {"slider", Make<TspDataSkinSlider, TspDataSkinControl>},
    {"bevel", Make<TspDataSkinBevel, TspDataSkinControl>},
    {"panel", Make<TspDataSkinPanelControl, TspDataSkinControl>},
    {"expanel", Make<TspDataSkinExPanelControl, TspDataSkinControl>},
    {"menubutton", Make<TspDataSkinMenuButtonControl, TspDataSkinControl>},
    {"button", Make<TspDataSkinButtonControl, TspDataSkinControl>},
    {"checkradio", Make<TspDataSkinCheckRadioControl, TspDataSkinControl>},
    {"gauge", Make<TspDataSkinGaugeControl, TspDataSkinControl>},
    {"splitter", Make<TspDataSkinSplitterControl, TspDataSkinControl>},
    {"trackbar", Make<TspDataSkinTrackBarControl, TspDataSkinControl>},
    {"label", Make<TspDataSkinLabelControl, TspDataSkinControl>},
    {"stdlabel", Make<TspDataSkinStdLabelControl, TspDataSkinControl>},
    {"bitlabel", Make<TspDataSkinBitLabelControl, TspDataSkinControl>},
    {"frameregulator", Make<TspDataSkinFrameRegulator, TspDataSkinControl>},
    {"framegauge", Make<TspDataSkinFrameGauge, TspDataSkinControl>},
    {"animate", Make<TspDataSkinAnimateControl, TspDataSkinControl>},
    {"updown", Make<TspDataSkinUpDownControl, TspDataSkinControl>},
    {"switch", Make<TspDataSkinSwitchControl, TspDataSkinControl>},
    {"grid", Make<TspDataSkinGridControl, TspDataSkinControl>},
    {"tab", Make<TspDataSkinTabControl, TspDataSkinControl>},
    {"mainmenubar", Make<TspDataSkinMainMenuBar, TspDataSkinControl>},
    {"controlbar", Make<TspDataSkinControlBar, TspDataSkinControl>},
    {"memo", Make<TspDataSkinMemoControl, TspDataSkinControl>},
    {"edit", Make<TspDataSkinEditControl, TspDataSkinControl>},
    {"checklistbox", Make<TspDataSkinCheckListBox, TspDataSkinControl>},
    {"listbox", Make<TspDataSkinListBox, TspDataSkinControl>},
    {"combobox", Make<TspDataSkinComboBox, TspDataSkinControl>},
    {"scrollbar", Make<TspDataSkinScrollBarControl, TspDataSkinControl>},
    {"spinedit", Make<TspDataSkinSpinEditControl, TspDataSkinControl>},
    {"scrollbox", Make<TspDataSkinScrollBoxControl, TspDataSkinControl>},
    {"treeview", Make<TspDataSkinTreeView, TspDataSkinControl>},
    {"listview", Make<TspDataSkinListView, TspDataSkinControl>},
    {"richedit", Make<TspDataSkinRichEdit, TspDataSkinControl>},
};

template <class Base, std::size_t N>
std::array<std::string_view, N> KindNames(const KindRow<Base> (&rows)[N]) {
    std::array<std::string_view, N> names;
    for (std::size_t i = 0; i < N; ++i) names[i] = rows[i].kind;
    return names;
}

template <class Base, std::size_t N>
std::unique_ptr<Base> Create(const KindRow<Base> (&rows)[N], std::string_view kind) {
    for (const KindRow<Base>& row : rows) {
        if (row.kind == kind) return row.create();
    }
    return nullptr;
}

template <class Base, std::size_t N>
void ReadList(const IniFile& ini, std::string_view section, const KindRow<Base> (&rows)[N],
              std::vector<std::unique_ptr<Base>>& list) {
    const int count = ini.ReadInteger(section, "count", 0);
    // Missing entries would be skipped anyway, so only the entries present are visited.
    for (const auto& [index, value] : ini.IndexedValues(section, count)) {
        const std::size_t colon = value.find(':');
        if (colon == std::string_view::npos) continue;
        std::unique_ptr<Base> record = Create(rows, value.substr(colon + 1));
        if (!record) continue;
        record->IDName = value.substr(0, colon);
        list.push_back(std::move(record));
        list.back()->LoadFromIni(ini);
    }
}

template <class Base>
void WriteList(IniFile& ini, std::string_view section, const std::vector<std::unique_ptr<Base>>& list) {
    ini.EraseSection(section);
    ini.WriteInteger(section, "count", static_cast<int>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        ini.WriteString(section, std::to_string(i), list[i]->IDName + ":" + std::string(list[i]->KindName()));
    }
    for (const auto& record : list) record->SaveToIni(ini);
}

}  // namespace

std::span<const std::string_view> SkinObjectKinds() {
    static const auto names = KindNames(kObjectRows);
    return names;
}

std::span<const std::string_view> SkinControlKinds() {
    static const auto names = KindNames(kControlRows);
    return names;
}

std::unique_ptr<TspDataSkinObject> CreateSkinObject(std::string_view kind) { return Create(kObjectRows, kind); }

std::unique_ptr<TspDataSkinControl> CreateSkinControl(std::string_view kind) { return Create(kControlRows, kind); }

void ReadSkinObjects(const IniFile& ini, SkinObjectList& objects) {
    ReadList(ini, kObjectsSection, kObjectRows, objects);
}

void ReadSkinControls(const IniFile& ini, SkinControlList& controls) {
    ReadList(ini, kControlsSection, kControlRows, controls);
}

void WriteSkinObjects(IniFile& ini, const SkinObjectList& objects) { WriteList(ini, kObjectsSection, objects); }

void WriteSkinControls(IniFile& ini, const SkinControlList& controls) { WriteList(ini, kControlsSection, controls); }

}  // namespace skin
