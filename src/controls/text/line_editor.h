#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

#include "controls/text/edit_text_rules.h"

namespace controls {

// How the caret moves on a key.
enum class CaretMove { CharLeft, CharRight, WordLeft, WordRight, Home, End };

// The editing state of a single-line text field, without any drawing: the text (code
// points, each one character), the caret and the selection anchor, moves and deletions by
// characters and words, typing and pasting that replace the selection, the length limit,
// read-only, letter case, and the horizontal scroll that keeps the caret in view. Every
// position is a character index from 0 to Length(). A control draws it and feeds it keys.
class LineEditor {
public:
    // The width in pixels of a piece of text as the control draws it.
    using Measure = std::function<int(std::u32string_view)>;

    // The text as UTF-8, and as characters.
    [[nodiscard]] std::string Text() const;
    [[nodiscard]] const std::u32string& Chars() const { return text_; }
    [[nodiscard]] int Length() const { return static_cast<int>(text_.size()); }
    // Replaces the text as a program does: filtered and cased like input but not cut to
    // MaxLength; the caret goes to the start. OnChange when it differs.
    void SetText(std::string_view utf8);

    // The most characters typing and pasting may bring the text to; 0 for no limit.
    // Lowering it keeps a longer text as it is.
    [[nodiscard]] int MaxLength() const { return maxLength_; }
    void SetMaxLength(int chars);
    // Refuses every change by the user; moving, selecting and copying still work.
    bool ReadOnly = false;
    // The letter case; setting it converts the present text too.
    [[nodiscard]] TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);

    // The caret, the other end of the selection, and the selection as start and length.
    [[nodiscard]] int Caret() const { return caret_; }
    [[nodiscard]] int Anchor() const { return anchor_; }
    [[nodiscard]] int SelStart() const { return std::min(caret_, anchor_); }
    [[nodiscard]] int SelLength() const { return std::max(caret_, anchor_) - SelStart(); }
    [[nodiscard]] bool HasSelection() const { return caret_ != anchor_; }
    [[nodiscard]] std::string SelectedText() const;
    // Selects from anchor to caret (each clamped to the text).
    void SetSelection(int anchor, int caret);
    void SelectAll() { SetSelection(0, Length()); }
    // Puts the caret at pos; extending keeps the anchor (Shift), otherwise the selection goes.
    void PlaceCaret(int pos, bool extend);
    // A key move. Without extending, a character move over a selection stops at its edge.
    void Move(CaretMove move, bool extend);
    // Selects the word, blank run or punctuation mark at pos (double-click).
    void SelectRunAt(int pos);

    // Typing or pasting: the filtered text replaces the selection, cut so that the text
    // stays within MaxLength. Nothing changes when read-only or when nothing of the text is
    // left to insert. Returns whether the text changed.
    bool Insert(std::u32string_view text);
    bool Insert(std::string_view utf8);
    // Backspace and Delete, by one character or to the word edge (Ctrl); with a selection
    // both delete the selection.
    bool DeleteBackward(bool word);
    bool DeleteForward(bool word);
    bool DeleteSelection();

    // Raised once for every change of the text.
    std::function<void()> OnChange;

    // The scroll in pixels: how much of the text's start is hidden left of the view.
    [[nodiscard]] int ScrollOffset() const { return scroll_; }
    // Scrolls so that the caret lies within a view width pixels wide, and so that no empty
    // space is left on the right while text is hidden on the left.
    void KeepCaretVisible(const Measure& measure, int width);
    // The caret position nearest to x, a pixel column of the view (scroll applied).
    [[nodiscard]] int PositionAt(int x, const Measure& measure) const;
    // The pixel column of a position in the view (scroll applied).
    [[nodiscard]] int XOf(int pos, const Measure& measure) const;

private:
    void Replace(int from, int to, std::u32string_view with);
    [[nodiscard]] int Clamp(int pos) const;

    std::u32string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int maxLength_ = 0;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    int scroll_ = 0;
};

}  // namespace controls
