#include "skin/records/data_skin_control_lists.h"

namespace skin {

void TspDataSkinListBox::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("itemrect", ItemRect);
    io.Rect("activeitemrect", ActiveItemRect);
    io.Rect("focusitemrect", FocusItemRect);
    io.Int("itemleftoffset", ItemLeftOffset);
    io.Int("itemrightoffset", ItemRightOffset);
    io.Rect("itemtextrect", ItemTextRect);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("focusfontcolor", FocusFontColor);
    io.Rect("captionrect", CaptionRect);
    io.Font("caption", CaptionFont);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
    io.Rect("checkbuttonrect", CheckButtonRect);
    io.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    io.Rect("downcheckbuttonrect", DownCheckButtonRect);
    io.String("vscrollbarname", VScrollBarName);
    io.String("hscrollbarname", HScrollBarName);
    io.String("bothhscrollbarname", BothHScrollBarName);
    io.Bool("showfocus", ShowFocus);
}

void TspDataSkinCheckListBox::Exchange(KeyExchange& io) {
    TspDataSkinListBox::Exchange(io);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("itemcheckrect", ItemCheckRect);
    io.Rect("uncheckimagerect", UnCheckImageRect);
}

void TspDataSkinComboBox::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("itemrect", ItemRect);
    io.Rect("activeitemrect", ActiveItemRect);
    io.Rect("focusitemrect", FocusItemRect);
    io.Int("itemleftoffset", ItemLeftOffset);
    io.Int("itemrightoffset", ItemRightOffset);
    io.Rect("itemtextrect", ItemTextRect);
    io.Font("", Font);
    io.Color("focusfontcolor", FocusFontColor);
    io.Color("activefontcolor", ActiveFontColor);
    io.String("listboxname", ListBoxName);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("unenabledbuttonrect", UnEnabledButtonRect);
    io.Bool("itemstretcheffect", ItemStretchEffect);
    io.Bool("focusitemstretcheffect", FocusItemStretchEffect);
    io.Bool("showfocus", ShowFocus);
}

void TspDataSkinGridControl::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Rect("fixedcellrect", FixedCellRect);
    io.Rect("selectcellrect", SelectCellRect);
    io.Rect("focuscellrect", FocusCellRect);
    io.Int("fixedcellleftoffset", FixedCellLeftOffset);
    io.Int("fixedcellrightoffset", FixedCellRightOffset);
    io.Rect("fixedcelltextrect", FixedCellTextRect);
    io.Int("cellleftoffset", CellLeftOffset);
    io.Int("cellrightoffset", CellRightOffset);
    io.Rect("celltextrect", CellTextRect);
    io.Color("linescolor", LinesColor);
    io.Color("bgcolor", BGColor);
    io.Int("bgpictureindex", BGPictureIndex);
    io.Font("", Font);
    io.Color("selectfontcolor", SelectFontColor);
    io.Color("focusfontcolor", FocusFontColor);
    io.Font("fixed", FixedFont);
    io.Bool("cellstretcheffect", CellStretchEffect);
    io.Bool("fixedcellstretcheffect", FixedCellStretchEffect);
    io.Bool("showfocus", ShowFocus);
}

void TspDataSkinTreeView::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Font("", Font);
    io.Color("bgcolor", BGColor);
}

void TspDataSkinListView::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Font("", Font);
    io.Color("bgcolor", BGColor);
}

}  // namespace skin
