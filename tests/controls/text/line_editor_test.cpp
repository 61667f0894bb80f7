#include "controls/text/line_editor.h"

#include <gtest/gtest.h>

namespace {

using controls::CaretMove;
using controls::LineEditor;
using controls::TEditCharCase;

// Every character 7 pixels wide: positions and pixels are easy to tell apart.
int Mono(std::u32string_view text) { return 7 * static_cast<int>(text.size()); }

struct Counted {
    LineEditor editor;
    int changes = 0;
    Counted() {
        editor.OnChange = [this] { ++changes; };
    }
};

TEST(LineEditorTest, PositionsCountCharactersNotBytes) {
    LineEditor e;
    e.SetText("Вася Пупкин");
    EXPECT_EQ(e.Length(), 11);
    e.SetSelection(0, 4);
    EXPECT_EQ(e.SelectedText(), "Вася");
    e.SetSelection(99, -5);
    EXPECT_EQ(e.SelStart(), 0);
    EXPECT_EQ(e.SelLength(), 11) << "positions are clamped to the text";
}

TEST(LineEditorTest, CharacterMovesCollapseASelectionToItsEdge) {
    LineEditor e;
    e.SetText("abcdef");
    e.SetSelection(1, 4);
    e.Move(CaretMove::CharLeft, false);
    EXPECT_EQ(e.Caret(), 1);
    EXPECT_FALSE(e.HasSelection());
    e.SetSelection(4, 1);
    e.Move(CaretMove::CharRight, false);
    EXPECT_EQ(e.Caret(), 4);
    e.Move(CaretMove::CharRight, true);
    e.Move(CaretMove::CharRight, true);
    EXPECT_EQ(e.SelStart(), 4);
    EXPECT_EQ(e.SelLength(), 2);
    e.Move(CaretMove::CharRight, true);
    EXPECT_EQ(e.Caret(), 6) << "stops at the end";
    e.Move(CaretMove::Home, true);
    EXPECT_EQ(e.Anchor(), 4);
    EXPECT_EQ(e.SelLength(), 4);
    e.Move(CaretMove::End, false);
    EXPECT_EQ(e.Caret(), 6);
    EXPECT_FALSE(e.HasSelection());
}

TEST(LineEditorTest, WordMovesStopAtWordEdgesAcrossBlanksAndPunctuation) {
    LineEditor e;
    e.SetText("Иван,  Петров_2 ok");
    e.Move(CaretMove::WordRight, false);
    EXPECT_EQ(e.Caret(), 4) << "end of Иван";
    e.Move(CaretMove::WordRight, false);
    EXPECT_EQ(e.Caret(), 15) << "the comma and blanks are skipped, Петров_2 is one word";
    e.Move(CaretMove::WordRight, true);
    EXPECT_EQ(e.SelectedText(), " ok");
    e.Move(CaretMove::WordLeft, false);
    EXPECT_EQ(e.Caret(), 16);
    e.Move(CaretMove::WordLeft, false);
    EXPECT_EQ(e.Caret(), 7);
    e.Move(CaretMove::WordLeft, false);
    e.Move(CaretMove::WordLeft, false);
    EXPECT_EQ(e.Caret(), 0);
}

TEST(LineEditorTest, TypingReplacesTheSelectionAndReportsOneChange) {
    Counted c;
    c.editor.SetText("Hello world");
    c.changes = 0;
    c.editor.SetSelection(6, 11);
    EXPECT_TRUE(c.editor.Insert(std::string_view("мир")));
    EXPECT_EQ(c.editor.Text(), "Hello мир");
    EXPECT_EQ(c.editor.Caret(), 9);
    EXPECT_EQ(c.changes, 1);
    c.editor.SetSelection(8, 9);
    EXPECT_TRUE(c.editor.Insert(std::string_view("р")));
    EXPECT_EQ(c.changes, 1) << "a character typed over itself changes nothing";
}

TEST(LineEditorTest, BackspaceAndDeleteByCharactersWordsAndSelection) {
    Counted c;
    LineEditor& e = c.editor;
    e.SetText("one two  three");
    c.changes = 0;
    e.PlaceCaret(9, false);
    EXPECT_TRUE(e.DeleteBackward(true));
    EXPECT_EQ(e.Text(), "one three") << "Ctrl+Backspace takes the blanks and the word before";
    EXPECT_TRUE(e.DeleteForward(true));
    EXPECT_EQ(e.Text(), "one ");
    EXPECT_FALSE(e.DeleteForward(false)) << "nothing after the caret";
    EXPECT_TRUE(e.DeleteBackward(false));
    EXPECT_EQ(e.Text(), "one");
    e.SetSelection(0, 2);
    EXPECT_TRUE(e.DeleteForward(true)) << "with a selection only the selection goes";
    EXPECT_EQ(e.Text(), "e");
    e.PlaceCaret(0, false);
    EXPECT_FALSE(e.DeleteBackward(false));
    EXPECT_EQ(c.changes, 4);
}

TEST(LineEditorTest, MaxLengthCountsCharactersAndCutsPastedText) {
    Counted c;
    LineEditor& e = c.editor;
    e.SetMaxLength(5);
    e.Insert(std::string_view("Жора"));
    EXPECT_TRUE(e.Insert(std::string_view("Жорик")));
    EXPECT_EQ(e.Text(), "ЖораЖ") << "five characters, ten bytes";
    EXPECT_FALSE(e.Insert(std::string_view("x")));
    EXPECT_EQ(c.changes, 2);
    e.SetSelection(1, 3);
    EXPECT_TRUE(e.Insert(std::string_view("12345")));
    EXPECT_EQ(e.Text(), "Ж12аЖ") << "the selection's room is free for the paste";
    e.SetMaxLength(2);
    EXPECT_EQ(e.Text(), "Ж12аЖ") << "a lower limit keeps the text";
    e.SetText("longer than the limit");
    EXPECT_EQ(e.Length(), 21) << "a program may set any text";
}

TEST(LineEditorTest, TextWindows1251CannotEncodeIsDroppedAndTheRestKept) {
    Counted c;
    LineEditor& e = c.editor;
    EXPECT_TRUE(e.Insert(std::u32string_view(U"Д中я😀№ Ω€")));
    EXPECT_EQ(e.Text(), "Дя№ €");
    EXPECT_FALSE(e.Insert(std::u32string_view(U"中文")));
    EXPECT_EQ(c.changes, 1) << "a paste that keeps nothing changes nothing";
    e.SelectAll();
    EXPECT_TRUE(e.Insert(std::string_view("a\r\nb\tc\nd\x01")));
    EXPECT_EQ(e.Text(), "a b c d") << "line breaks and tabs become blanks, control characters go";
}

TEST(LineEditorTest, ReadOnlyRefusesChangesButSelects) {
    Counted c;
    LineEditor& e = c.editor;
    e.SetText("fixed");
    e.ReadOnly = true;
    e.SelectAll();
    EXPECT_FALSE(e.Insert(std::string_view("x")));
    EXPECT_FALSE(e.DeleteBackward(false));
    EXPECT_FALSE(e.DeleteSelection());
    EXPECT_EQ(e.SelectedText(), "fixed");
    e.Move(CaretMove::WordLeft, true);
    EXPECT_EQ(e.Caret(), 0);
    EXPECT_EQ(c.changes, 1);
}

TEST(LineEditorTest, CharCaseAppliesToInputAndConvertsThePresentText) {
    Counted c;
    LineEditor& e = c.editor;
    e.SetText("Ёжик in Ґрунт");
    e.SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(e.Text(), "ЁЖИК IN ҐРУНТ");
    e.PlaceCaret(e.Length(), false);
    e.Insert(std::string_view("ёъ"));
    EXPECT_EQ(e.Text(), "ЁЖИК IN ҐРУНТЁЪ");
    e.SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(e.Text(), "ёжик in ґрунтёъ");
    const int before = c.changes;
    e.SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(c.changes, before);
}

TEST(LineEditorTest, DoubleClickRunsAreWordsBlanksOrOneMark) {
    LineEditor e;
    e.SetText("ab  cd!!");
    e.SelectRunAt(1);
    EXPECT_EQ(e.SelectedText(), "ab");
    e.SelectRunAt(3);
    EXPECT_EQ(e.SelectedText(), "  ");
    e.SelectRunAt(6);
    EXPECT_EQ(e.SelectedText(), "!");
    e.SelectRunAt(8);
    EXPECT_EQ(e.SelectedText(), "!") << "at the end the last character counts";
    LineEditor empty;
    empty.SelectRunAt(0);
    EXPECT_FALSE(empty.HasSelection());
}

TEST(LineEditorTest, ScrollKeepsTheCaretInViewAndLeavesNoGapOnTheRight) {
    LineEditor e;
    e.SetText("0123456789");  // 70 pixels
    e.KeepCaretVisible(Mono, 30);
    EXPECT_EQ(e.ScrollOffset(), 0);
    e.Move(CaretMove::End, false);
    e.KeepCaretVisible(Mono, 30);
    EXPECT_EQ(e.ScrollOffset(), 41) << "the caret at 70 is the view's last column";
    EXPECT_EQ(e.XOf(e.Caret(), Mono), 29);
    e.PlaceCaret(7, false);
    e.KeepCaretVisible(Mono, 30);
    EXPECT_EQ(e.ScrollOffset(), 41) << "still visible: no scroll";
    e.Move(CaretMove::Home, false);
    e.KeepCaretVisible(Mono, 30);
    EXPECT_EQ(e.ScrollOffset(), 0);
    e.Move(CaretMove::End, false);
    e.KeepCaretVisible(Mono, 30);
    e.SetSelection(2, 10);
    e.DeleteSelection();
    e.KeepCaretVisible(Mono, 30);
    EXPECT_EQ(e.ScrollOffset(), 0) << "two characters fit: nothing stays hidden";
}

TEST(LineEditorTest, PositionAtPicksTheNearerEdgeWithScroll) {
    LineEditor e;
    e.SetText("abcd");
    EXPECT_EQ(e.PositionAt(-5, Mono), 0);
    EXPECT_EQ(e.PositionAt(3, Mono), 0);
    EXPECT_EQ(e.PositionAt(4, Mono), 1);
    EXPECT_EQ(e.PositionAt(17, Mono), 2);
    EXPECT_EQ(e.PositionAt(500, Mono), 4);
    e.Move(CaretMove::End, false);
    e.KeepCaretVisible(Mono, 10);
    EXPECT_EQ(e.ScrollOffset(), 19);
    EXPECT_EQ(e.PositionAt(0, Mono), 3) << "column 0 shows pixel 19, nearest edge 21";
}

}  // namespace
