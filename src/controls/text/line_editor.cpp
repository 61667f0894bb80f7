#include "controls/text/line_editor.h"

#include <algorithm>

#include "gfx/text.h"

namespace controls {

std::string LineEditor::Text() const { return gfx::EncodeUtf8(text_); }

void LineEditor::SetText(std::string_view utf8) {
    const std::u32string next = FilterEditInput(gfx::DecodeUtf8(utf8), charCase_);
    caret_ = anchor_ = 0;
    scroll_ = 0;
    if (next == text_) return;
    text_ = next;
    if (OnChange) OnChange();
}

void LineEditor::SetMaxLength(int chars) { maxLength_ = std::max(0, chars); }

void LineEditor::SetCharCase(TEditCharCase charCase) {
    charCase_ = charCase;
    std::u32string next = text_;
    for (char32_t& ch : next) ch = InCharCase(ch, charCase);
    if (next == text_) return;
    text_ = std::move(next);
    if (OnChange) OnChange();
}

std::string LineEditor::SelectedText() const {
    return gfx::EncodeUtf8(std::u32string_view(text_).substr(SelStart(), SelLength()));
}

int LineEditor::Clamp(int pos) const { return std::clamp(pos, 0, Length()); }

void LineEditor::SetSelection(int anchor, int caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

void LineEditor::PlaceCaret(int pos, bool extend) {
    caret_ = Clamp(pos);
    if (!extend) anchor_ = caret_;
}

void LineEditor::Move(CaretMove move, bool extend) {
    if (!extend && HasSelection() && (move == CaretMove::CharLeft || move == CaretMove::CharRight)) {
        PlaceCaret(move == CaretMove::CharLeft ? SelStart() : SelStart() + SelLength(), false);
        return;
    }
    int to = caret_;
    switch (move) {
        case CaretMove::CharLeft:
            to = caret_ - 1;
            break;
        case CaretMove::CharRight:
            to = caret_ + 1;
            break;
        case CaretMove::WordLeft:
            to = WordStartBefore(text_, caret_);
            break;
        case CaretMove::WordRight:
            to = WordEndAfter(text_, caret_);
            break;
        case CaretMove::Home:
            to = 0;
            break;
        case CaretMove::End:
            to = Length();
            break;
    }
    PlaceCaret(to, extend);
}

void LineEditor::SelectRunAt(int pos) {
    const auto [first, last] = RunAt(text_, pos);
    SetSelection(first, last);
}

void LineEditor::Replace(int from, int to, std::u32string_view with) {
    const bool same = std::u32string_view(text_).substr(from, to - from) == with;
    text_.replace(from, to - from, with);
    caret_ = anchor_ = from + static_cast<int>(with.size());
    // Typing a selected character over itself moves the caret but changes nothing.
    if (!same && OnChange) OnChange();
}

bool LineEditor::Insert(std::u32string_view text) {
    if (ReadOnly) return false;
    std::u32string accepted = FilterEditInput(text, charCase_);
    if (maxLength_ > 0) {
        const int room = std::max(0, maxLength_ - (Length() - SelLength()));
        if (static_cast<int>(accepted.size()) > room) accepted.resize(room);
    }
    if (accepted.empty()) return false;
    Replace(SelStart(), SelStart() + SelLength(), accepted);
    return true;
}

bool LineEditor::Insert(std::string_view utf8) { return Insert(gfx::DecodeUtf8(utf8)); }

bool LineEditor::DeleteSelection() {
    if (ReadOnly || !HasSelection()) return false;
    Replace(SelStart(), SelStart() + SelLength(), {});
    return true;
}

bool LineEditor::DeleteBackward(bool word) {
    if (HasSelection()) return DeleteSelection();
    if (ReadOnly || caret_ == 0) return false;
    Replace(word ? WordStartBefore(text_, caret_) : caret_ - 1, caret_, {});
    return true;
}

bool LineEditor::DeleteForward(bool word) {
    if (HasSelection()) return DeleteSelection();
    if (ReadOnly || caret_ == Length()) return false;
    Replace(caret_, word ? WordEndAfter(text_, caret_) : caret_ + 1, {});
    return true;
}

void LineEditor::KeepCaretVisible(const Measure& measure, int width) {
    width = std::max(1, width);
    const int caretX = measure(std::u32string_view(text_).substr(0, caret_));
    const int total = measure(text_);
    // The caret takes one pixel column, so a caret at the text's end needs width - 1.
    if (caretX < scroll_) scroll_ = caretX;
    if (caretX > scroll_ + width - 1) scroll_ = caretX - width + 1;
    if (scroll_ > 0 && total - scroll_ < width - 1) scroll_ = std::max(0, total - width + 1);
}

int LineEditor::XOf(int pos, const Measure& measure) const {
    return measure(std::u32string_view(text_).substr(0, Clamp(pos))) - scroll_;
}

int LineEditor::PositionAt(int x, const Measure& measure) const {
    const int target = x + scroll_;
    int previous = 0;
    for (int i = 1; i <= Length(); ++i) {
        const int edge = measure(std::u32string_view(text_).substr(0, i));
        // The nearer of the character's two edges.
        if (target < (previous + edge + 1) / 2) return i - 1;
        previous = edge;
    }
    return Length();
}

}  // namespace controls
