#include "skin/records/data_skin_control_text.h"

namespace skin {

void TspDataSkinLabelControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Font("", Font);
}

void TspDataSkinStdLabelControl::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
}

void TspDataSkinBitLabelControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("skintextrect", SkinTextRect);
    io.Int("symbolwidth", SymbolWidth);
    io.Int("symbolheight", SymbolHeight);
    io.Lines("symbols", Symbols);
}

void TspDataSkinEditControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Font("", Font);
    io.Color("disabledfontcolor", DisabledFontColor);
    io.Color("activefontcolor", ActiveFontColor);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TspDataSkinMemoControl::Exchange(KeyExchange& io) {
    TspDataSkinEditControl::Exchange(io);
    io.Color("bgcolor", BGColor);
    io.Color("activebgcolor", ActiveBGColor);
}

void TspDataSkinSpinEditControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("disabledfontcolor", DisabledFontColor);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TspDataSkinRichEdit::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Font("", Font);
    io.Color("bgcolor", BGColor);
}

}  // namespace skin
