#pragma once

#include <string>

#include "gfx/font.h"
#include "skin/records/data_skin_control.h"

namespace skin {

// Control records for item lists: list and combo boxes, grids, tree and list views.

class TspDataSkinListBox : public TspDataSkinCustomControl {
public:
    gfx::Rect ItemRect;
    gfx::Rect ActiveItemRect;
    gfx::Rect FocusItemRect;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    gfx::Rect ItemTextRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color FocusFontColor = 0;
    gfx::Rect CaptionRect;
    gfx::Font CaptionFont = DefaultSkinFont();
    gfx::Rect UpButtonRect;
    gfx::Rect ActiveUpButtonRect;
    gfx::Rect DownUpButtonRect;
    gfx::Rect DownButtonRect;
    gfx::Rect ActiveDownButtonRect;
    gfx::Rect DownDownButtonRect;
    gfx::Rect CheckButtonRect;
    gfx::Rect ActiveCheckButtonRect;
    gfx::Rect DownCheckButtonRect;
    std::string VScrollBarName = "vscrollbar";
    std::string HScrollBarName = "hscrollbar";
    std::string BothHScrollBarName = "bothhscrollbar";
    bool ShowFocus = false;

    [[nodiscard]] std::string_view KindName() const override { return "listbox"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinCheckListBox : public TspDataSkinListBox {
public:
    gfx::Rect CheckImageRect;
    gfx::Rect ItemCheckRect;
    gfx::Rect UnCheckImageRect;

    [[nodiscard]] std::string_view KindName() const override { return "checklistbox"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinComboBox : public TspDataSkinCustomControl {
public:
    gfx::Rect ActiveSkinRect;
    gfx::Rect ItemRect;
    gfx::Rect ActiveItemRect;
    gfx::Rect FocusItemRect;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    gfx::Rect ItemTextRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color FocusFontColor = 0;
    gfx::Color ActiveFontColor = 0;
    std::string ListBoxName;
    gfx::Rect ButtonRect;
    gfx::Rect ActiveButtonRect;
    gfx::Rect DownButtonRect;
    gfx::Rect UnEnabledButtonRect;
    bool ItemStretchEffect = false;
    bool FocusItemStretchEffect = false;
    bool ShowFocus = false;

    [[nodiscard]] std::string_view KindName() const override { return "combobox"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinGridControl : public TspDataSkinControl {
public:
    gfx::Rect FixedCellRect;
    gfx::Rect SelectCellRect;
    gfx::Rect FocusCellRect;
    int FixedCellLeftOffset = 0;
    int FixedCellRightOffset = 0;
    gfx::Rect FixedCellTextRect;
    int CellLeftOffset = 0;
    int CellRightOffset = 0;
    gfx::Rect CellTextRect;
    gfx::Color LinesColor = 0;
    gfx::Color BGColor = 0;
    int BGPictureIndex = -1;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color SelectFontColor = 0;
    gfx::Color FocusFontColor = 0;
    gfx::Font FixedFont = DefaultSkinFont();
    bool CellStretchEffect = false;
    bool FixedCellStretchEffect = false;
    bool ShowFocus = false;

    [[nodiscard]] std::string_view KindName() const override { return "grid"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinTreeView : public TspDataSkinControl {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color BGColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "treeview"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinListView : public TspDataSkinControl {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color BGColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "listview"; }
    void Exchange(KeyExchange& io) override;
};

}  // namespace skin
