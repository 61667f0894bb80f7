#include "controls/text/skin_edit.h"

#include <gtest/gtest.h>

#include "gfx/text.h"
#include "platform/clipboard.h"
#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace {

using controls::TspSkinEdit;
using platform::Key;
using platform::LetterKey;
using platform::ssCtrl;
using platform::ssShift;

class SkinEditTest : public ::testing::Test {
protected:
    SkinEditTest() : form(d.App().CreateForm<platform::Form>()), edit(form.Make<TspSkinEdit>()) {
        skin.LoadCompressedStream(skin::DefaultSkinData());
        form.SetBounds(100, 100, 300, 120);
        edit.SetBounds(10, 10, 200, 20);
        edit.OnChange = [this](platform::Control&) { ++changes; };
        form.Show();
    }
    // The window point of the text's pixel column x.
    gfx::Point TextPoint(int x) const { return edit.ClientToWindow({edit.TextArea().left + 2 + x, 10}); }
    int Width(std::string_view s) const { return gfx::TextWidth(edit.TextFont(), s); }
    platform::Clipboard& Clipboard() { return d.Backend().GetClipboard(); }

    platform::headless::Driver d;
    skin::TspSkinData skin;
    platform::Form& form;
    TspSkinEdit& edit;
    int changes = 0;
};

TEST_F(SkinEditTest, StartWindowEditIsItsFontCellPlusTheSkinsVerticalBorder) {
    edit.SetSkinData(&skin);
    edit.UseSkinFont = false;
    edit.SetDefaultFont({"Arial", -16, 0, gfx::clBlack});
    edit.SetBounds(10, 10, 200, 40);
    EXPECT_EQ(edit.Height(), 22) << "an 18-pixel cell and 4 pixels of border";
    EXPECT_EQ(edit.TextArea(), (gfx::Rect{3, 2, 197, 20}));
    EXPECT_EQ(edit.BorderWidths(), (gfx::Rect{3, 2, 3, 2}));
    edit.UseSkinFont = true;
    edit.SetBounds(10, 10, 200, 40);
    EXPECT_EQ(edit.Height(), 21) << "the skin's own height with its font";
    edit.SetSkinData(nullptr);
    edit.UseSkinFont = false;
    edit.SetBounds(10, 10, 200, 40);
    EXPECT_EQ(edit.Height(), 22) << "without a section the border is 2 pixels each side";
    EXPECT_EQ(edit.TextArea(), (gfx::Rect{2, 2, 198, 20}));
}

TEST_F(SkinEditTest, TypingReachesTheFocusedEditAndReportsEachChange) {
    ASSERT_EQ(form.ActiveControl(), &edit);
    d.Type("Вася");
    d.Type("中");
    d.Type("a中b");
    EXPECT_EQ(edit.Text(), "Васяab") << "what Windows-1251 cannot encode is refused, the rest kept";
    EXPECT_EQ(changes, 6);
    d.PressKey(Key::Back, ssCtrl);
    EXPECT_EQ(edit.Text(), "");
}

TEST_F(SkinEditTest, KeysMoveSelectAndDeleteByWords) {
    d.Type("one two three");
    d.PressKey(Key::Left, ssCtrl);
    d.PressKey(Key::Left, ssCtrl | ssShift);
    EXPECT_EQ(edit.SelStart(), 4);
    EXPECT_EQ(edit.SelLength(), 4);
    d.PressKey(Key::Delete);
    EXPECT_EQ(edit.Text(), "one three");
    d.PressKey(Key::End, ssShift);
    d.Type("X");
    EXPECT_EQ(edit.Text(), "one X");
    d.PressKey(Key::Home);
    d.PressKey(Key::Delete, ssCtrl);
    EXPECT_EQ(edit.Text(), " X");
    d.PressKey(LetterKey('a'), ssCtrl);
    EXPECT_EQ(edit.SelLength(), 2);
}

TEST_F(SkinEditTest, ClipboardRoundTripWithEveryShortcut) {
    d.Type("Гена Букин");
    d.PressKey(Key::Home);
    d.PressKey(Key::Right, ssCtrl | ssShift);
    d.PressKey(LetterKey('c'), ssCtrl);
    EXPECT_EQ(Clipboard().Text(), "Гена");
    d.PressKey(Key::End);
    d.Type(" ");
    d.PressKey(LetterKey('v'), ssCtrl);
    EXPECT_EQ(edit.Text(), "Гена Букин Гена");
    d.PressKey(Key::Left, ssCtrl | ssShift);
    d.PressKey(Key::Delete, ssShift);
    EXPECT_EQ(edit.Text(), "Гена Букин ");
    d.PressKey(Key::Home);
    d.PressKey(Key::Insert, ssShift);
    EXPECT_EQ(edit.Text(), "ГенаГена Букин ");
    d.PressKey(LetterKey('a'), ssCtrl);
    d.PressKey(LetterKey('x'), ssCtrl);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(Clipboard().Text(), "ГенаГена Букин ");
    Clipboard().SetText("x");
    d.Type("abc");
    d.PressKey(Key::Left, ssShift);
    d.PressKey(Key::Insert, ssCtrl);
    EXPECT_EQ(Clipboard().Text(), "c");
}

TEST_F(SkinEditTest, PasteIsFilteredAndCutToMaxLength) {
    edit.SetMaxLength(6);
    Clipboard().SetText("Жо中ра\nЖорик");
    d.PressKey(LetterKey('v'), ssCtrl);
    EXPECT_EQ(edit.Text(), "Жора Ж");
    EXPECT_EQ(changes, 1);
    d.PressKey(LetterKey('v'), ssCtrl);
    EXPECT_EQ(changes, 1) << "a full edit takes nothing";
}

TEST_F(SkinEditTest, ReadOnlySelectsAndCopiesButNeverChanges) {
    edit.SetText("fixed");
    edit.SetReadOnly(true);
    changes = 0;
    d.Type("x");
    d.PressKey(LetterKey('a'), ssCtrl);
    d.PressKey(LetterKey('x'), ssCtrl);
    d.PressKey(Key::Back);
    Clipboard().SetText("paste");
    d.PressKey(LetterKey('v'), ssCtrl);
    EXPECT_EQ(edit.Text(), "fixed");
    EXPECT_EQ(changes, 0);
    d.PressKey(LetterKey('c'), ssCtrl);
    EXPECT_EQ(Clipboard().Text(), "fixed");
}

TEST_F(SkinEditTest, MouseDragDoubleAndTripleClickSelect) {
    edit.SetText("alpha beta gamma");
    const int beta = Width("alpha ");
    const int gammaEnd = Width("alpha beta gamma");
    d.Drag(form, TextPoint(beta), TextPoint(gammaEnd + 30));
    EXPECT_EQ(edit.SelStart(), 6);
    EXPECT_EQ(edit.SelLength(), 10);
    d.Advance(1000);
    d.DoubleClick(form, TextPoint(beta + 2));
    EXPECT_EQ(edit.SelStart(), 6);
    EXPECT_EQ(edit.SelLength(), 4) << "the word under the pointer";
    d.Click(form, TextPoint(beta + 2));
    EXPECT_EQ(edit.SelLength(), 16) << "a third click selects the whole line";
    d.Advance(1000);
    d.Click(form, TextPoint(0));
    d.Click(form, TextPoint(beta), platform::MouseButton::Left, ssShift);
    EXPECT_EQ(edit.SelStart(), 0) << "a slow second click with Shift extends";
    EXPECT_EQ(edit.SelLength(), 6);
}

TEST_F(SkinEditTest, LongTextScrollsToKeepTheCaretInView) {
    edit.SetBounds(10, 10, 60, 20);
    d.Type("a long name that does not fit");
    const int view = edit.TextArea().width() - 3;
    const int caretX =
        edit.Editor().XOf(edit.Editor().Caret(), [&](std::u32string_view t) { return Width(gfx::EncodeUtf8(t)); });
    EXPECT_GT(edit.Editor().ScrollOffset(), 0);
    EXPECT_GE(caretX, 0);
    EXPECT_LT(caretX, view);
    d.PressKey(Key::Home);
    EXPECT_EQ(edit.Editor().ScrollOffset(), 0);
}

TEST_F(SkinEditTest, CaretBlinksOnlyWhileTheWindowIsActiveAndTheEditFocused) {
    EXPECT_TRUE(edit.Blinking());
    EXPECT_TRUE(edit.CaretShown());
    d.Advance(500);
    EXPECT_FALSE(edit.CaretShown());
    d.Type("a");
    EXPECT_TRUE(edit.CaretShown()) << "typing shows the caret at once";
    auto& other = d.App().CreateForm<platform::Form>();
    other.Show();
    EXPECT_FALSE(edit.Blinking());
    EXPECT_FALSE(d.App().NextDeadline()) << "no timer runs while nothing blinks";
    d.Focus(form);
    EXPECT_TRUE(edit.Blinking());
    edit.SetEnabled(false);
    EXPECT_FALSE(edit.Blinking());
}

}  // namespace
