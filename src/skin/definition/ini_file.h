#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gfx/colour.h"
#include "gfx/geometry.h"

namespace skin {

struct EnumTexts;

// A value in the skin definition that cannot be read (a point or rectangle without its
// numbers, a list count the section cannot hold). The message names the section, the key
// and the text, so the skin's author can find the line.
class SkinFormatError : public std::runtime_error {
public:
    SkinFormatError(std::string_view section, std::string_view key, std::string_view value, std::string_view problem);
};

// The skin definition held in memory: sections of key/value pairs in text order. Section
// names and keys match without regard to ASCII letter case and the first occurrence of a
// section or key wins; values are kept exactly as written (trimmed).
//
// Names and values are views into text the file keeps: the whole definition as it was read,
// and each text written since. Copies share that text, which is only ever added to, so a
// copy stays valid whatever happens to the file it was made from.
class IniFile {
public:
    class SectionReader;

    IniFile() = default;

    // Builds the file from text lines: lines are trimmed, empty and ";" lines skipped, lines
    // before the first section dropped, lines without "=" ignored.
    explicit IniFile(std::span<const std::string> lines);

    // Splits text at CR LF, lone CR or lone LF and builds the file from the lines.
    [[nodiscard]] static IniFile FromText(std::string_view text);

    // Whether a section of that name exists.
    [[nodiscard]] bool SectionExists(std::string_view section) const;
    // Whether the key is present in the section (with any value, even empty).
    [[nodiscard]] bool ValueExists(std::string_view section, std::string_view key) const;
    // The value of the first occurrence of the key, or nothing when it is absent.
    [[nodiscard]] std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    // Number of keys in the section (0 when it is absent).
    [[nodiscard]] std::size_t KeyCount(std::string_view section) const;
    // Section names in text order.
    [[nodiscard]] std::vector<std::string> SectionNames() const;

    // The value as written, or def when the key is absent (an empty value stays empty).
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "0x" or "$"; def when absent or not an integer.
    [[nodiscard]] int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // An integer taken as 0x00BBGGRR (or a system colour); def when absent or not an integer.
    [[nodiscard]] gfx::Color ReadColor(std::string_view section, std::string_view key, gfx::Color def) const;
    // True only when the value is the integer 1; def when absent.
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // "x,y" by the number-list rule; def when absent; SkinFormatError when a number is missing.
    [[nodiscard]] gfx::Point ReadPoint(std::string_view section, std::string_view key, gfx::Point def) const;
    // "left,top,right,bottom" by the number-list rule; def when absent; SkinFormatError when a number is missing.
    [[nodiscard]] gfx::Rect ReadRect(std::string_view section, std::string_view key, gfx::Rect def) const;
    // gfx::FontStyle bits from the words "fsbold", "fsitalic", "fsunderline", "fsstrikeout"; def when absent.
    [[nodiscard]] std::uint8_t ReadFontStyle(std::string_view section, std::string_view key, std::uint8_t def) const;
    // The position of the value in texts (exact case), texts.fallback for other text, def when absent.
    [[nodiscard]] int ReadEnum(std::string_view section, std::string_view key, const EnumTexts& texts, int def) const;
    // The list written as NAMEcount and keys "0", "1", ...; a missing item reads as empty.
    [[nodiscard]] std::vector<std::string> ReadList(std::string_view section, std::string_view name) const;
    // The lines written as NAMElinecount and keys NAMEline0, NAMEline1, ...
    [[nodiscard]] std::vector<std::string> ReadLines(std::string_view section, std::string_view name) const;
    // The values of keys "0" .. count-1 that exist, in index order (missing indices left out).
    [[nodiscard]] std::vector<std::pair<int, std::string_view>> IndexedValues(std::string_view section,
                                                                              int count) const;

    // Sets the key's value, adding the section and the key when they are absent.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Writes a signed decimal integer.
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Writes the colour as the signed decimal of its 32 bits, which ReadColor reads back.
    void WriteColor(std::string_view section, std::string_view key, gfx::Color value);
    // Writes 1 or 0.
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Writes "x,y".
    void WritePoint(std::string_view section, std::string_view key, gfx::Point value);
    // Writes "left,top,right,bottom".
    void WriteRect(std::string_view section, std::string_view key, gfx::Rect value);
    // Writes the style words joined by "," in the order bold, italic, underline, strike-out.
    void WriteFontStyle(std::string_view section, std::string_view key, std::uint8_t value);
    // Writes the text of the value.
    void WriteEnum(std::string_view section, std::string_view key, const EnumTexts& texts, int value);
    // Writes NAMEcount and the items under "0", "1", ...
    void WriteList(std::string_view section, std::string_view name, std::span<const std::string> items);
    // Writes NAMElinecount and the items under NAMEline0, NAMEline1, ...
    void WriteLines(std::string_view section, std::string_view name, std::span<const std::string> items);
    // Removes the section and all its keys.
    void EraseSection(std::string_view section);

    // The file as text lines: "[name]", then "key=value" lines, then an empty line, per section.
    [[nodiscard]] std::vector<std::string> Lines() const;

private:
    // One place of a section's key table: the low half of the key's hash and its entry
    // plus one, 0 marking a free place.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = 0;
    };
    struct Section {
        std::string_view name;
        std::vector<std::pair<std::string_view, std::string_view>> entries;  // text order, repeats kept
        // The first entry of each key, open-addressed by hash; its size is a power of two
        // at least twice the number of keys, so a search rarely probes more than once.
        std::vector<Slot> slots;
        std::uint32_t keyCount = 0;
    };

    // Adds one raw line: trimmed, blank and ";" lines skipped; a section header makes its
    // section current, and a key line goes to the current section, if any.
    void AddLine(std::string_view raw, Section*& current);
    void IndexAllKeys();
    // Adds the entry to the key table unless its key is already there.
    static void IndexEntry(Section& s, std::uint32_t entry, std::uint64_t hash);
    // Makes the key table large enough for `keys` keys.
    static void GrowKeyTable(Section& s, std::size_t keys);
    // The place of the key in the section's (non-empty) key table, or the free place where
    // it would go.
    [[nodiscard]] static std::size_t Probe(const Section& s, std::string_view key, std::uint32_t hash);
    [[nodiscard]] const Section* FindSection(std::string_view section) const;
    [[nodiscard]] static const std::string_view* FindKey(const Section& s, std::string_view key, std::uint64_t hash);
    Section& SectionForWriting(std::string_view section);
    // A lasting copy of text, for names and values that did not come from the read text.
    [[nodiscard]] std::string_view Keep(std::string_view text);
    void IndexNewSection();

    std::shared_ptr<std::deque<std::string>> text_ = std::make_shared<std::deque<std::string>>();
    std::vector<Section> sections_;
    std::vector<std::uint32_t> sectionIndex_;  // sections sorted by name without case
};

// The typed reads of IniFile bound to one section, which is found once: a record reads
// dozens of keys of its section in a row. It holds on to the file and to the section name
// it was given, and is meant to live no longer than either, nor past a change to the
// file's list of sections.
class IniFile::SectionReader {
public:
    SectionReader(const IniFile& file, std::string_view section);

    [[nodiscard]] bool Exists() const { return section_ != nullptr; }
    [[nodiscard]] std::optional<std::string_view> Find(std::string_view key) const;
    [[nodiscard]] std::size_t KeyCount() const;

    [[nodiscard]] std::string ReadString(std::string_view key, std::string_view def) const;
    [[nodiscard]] int ReadInteger(std::string_view key, int def) const;
    [[nodiscard]] gfx::Color ReadColor(std::string_view key, gfx::Color def) const;
    [[nodiscard]] bool ReadBool(std::string_view key, bool def) const;
    [[nodiscard]] gfx::Point ReadPoint(std::string_view key, gfx::Point def) const;
    [[nodiscard]] gfx::Rect ReadRect(std::string_view key, gfx::Rect def) const;
    [[nodiscard]] std::uint8_t ReadFontStyle(std::string_view key, std::uint8_t def) const;
    [[nodiscard]] int ReadEnum(std::string_view key, const EnumTexts& texts, int def) const;
    [[nodiscard]] std::vector<std::string> ReadList(std::string_view name) const;
    [[nodiscard]] std::vector<std::string> ReadLines(std::string_view name) const;

private:
    [[nodiscard]] std::array<int, 4> NumberList(std::string_view key, std::string_view value, int count) const;
    [[nodiscard]] int ListCount(std::string_view countKey) const;

    const Section* section_;
    std::string_view name_;
};

}  // namespace skin
