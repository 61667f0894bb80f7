#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/colour.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "skin/definition/ini_file.h"
#include "skin/definition/skin_values.h"

namespace skin {

// The font a record has when its section names none: Arial 14, no style, black.
[[nodiscard]] inline gfx::Font DefaultSkinFont() { return {"Arial", 14, 0, gfx::clBlack}; }

// Visits the keys of a record in reading order. A record lists its keys once, in its
// Exchange, and the same list drives reading, writing and any other walk over the fields,
// so the written form always matches what is read. A field's value before a read is its
// default: a reader leaves it untouched when the key is absent.
class KeyExchange {
public:
    virtual ~KeyExchange() = default;

    // An integer key.
    virtual void Int(std::string_view key, int& value) = 0;
    // A colour key (0x00BBGGRR).
    virtual void Color(std::string_view key, gfx::Color& value) = 0;
    // A boolean key (true only for 1).
    virtual void Bool(std::string_view key, bool& value) = 0;
    // A point key "x,y".
    virtual void Point(std::string_view key, gfx::Point& value) = 0;
    // A rectangle key "left,top,right,bottom".
    virtual void Rect(std::string_view key, gfx::Rect& value) = 0;
    // A plain text key.
    virtual void String(std::string_view key, std::string& value) = 0;
    // A font style key (gfx::FontStyle bits).
    virtual void FontStyle(std::string_view key, std::uint8_t& value) = 0;
    // An enumeration key stored as its value's position in texts.
    virtual void EnumValue(std::string_view key, int& value, const EnumTexts& texts) = 0;
    // A list: NAMEcount then keys "0", "1", ...
    virtual void List(std::string_view name, std::vector<std::string>& items) = 0;
    // Lines: NAMElinecount then NAMEline0, NAMEline1, ...
    virtual void Lines(std::string_view name, std::vector<std::string>& items) = 0;

    // A typed enumeration key.
    template <class E>
    void Enum(std::string_view key, E& value, const EnumTexts& texts) {
        int v = static_cast<int>(value);
        EnumValue(key, v, texts);
        value = static_cast<E>(v);
    }

    // The four font keys PREFIXfontname, PREFIXfontheight, PREFIXfontstyle, PREFIXfontcolor.
    void Font(std::string_view prefix, gfx::Font& font);
};

// Reads keys of one section of an IniFile into the fields.
class IniKeyReader final : public KeyExchange {
public:
    IniKeyReader(const IniFile& ini, std::string_view section) : section_(section), reader_(ini, section_) {}
    IniKeyReader(const IniKeyReader&) = delete;
    IniKeyReader& operator=(const IniKeyReader&) = delete;

    void Int(std::string_view key, int& value) override;
    void Color(std::string_view key, gfx::Color& value) override;
    void Bool(std::string_view key, bool& value) override;
    void Point(std::string_view key, gfx::Point& value) override;
    void Rect(std::string_view key, gfx::Rect& value) override;
    void String(std::string_view key, std::string& value) override;
    void FontStyle(std::string_view key, std::uint8_t& value) override;
    void EnumValue(std::string_view key, int& value, const EnumTexts& texts) override;
    void List(std::string_view name, std::vector<std::string>& items) override;
    void Lines(std::string_view name, std::vector<std::string>& items) override;

private:
    std::string section_;
    IniFile::SectionReader reader_;  // reads from section_, so it comes after it
};

// Writes the fields into one section of an IniFile in the canonical form. It only reads
// the fields it is given.
class IniKeyWriter final : public KeyExchange {
public:
    IniKeyWriter(IniFile& ini, std::string_view section) : ini_(ini), section_(section) {}

    void Int(std::string_view key, int& value) override;
    void Color(std::string_view key, gfx::Color& value) override;
    void Bool(std::string_view key, bool& value) override;
    void Point(std::string_view key, gfx::Point& value) override;
    void Rect(std::string_view key, gfx::Rect& value) override;
    void String(std::string_view key, std::string& value) override;
    void FontStyle(std::string_view key, std::uint8_t& value) override;
    void EnumValue(std::string_view key, int& value, const EnumTexts& texts) override;
    void List(std::string_view name, std::vector<std::string>& items) override;
    void Lines(std::string_view name, std::vector<std::string>& items) override;

private:
    IniFile& ini_;
    std::string section_;
};

// Reads the keys a record lists in Exchange from the section; absent keys keep their values.
template <class Record>
void ReadSection(const IniFile& ini, std::string_view section, Record& record) {
    IniKeyReader reader(ini, section);
    record.Exchange(reader);
}

// Replaces the section with the canonical written form of the record's keys.
template <class Record>
void WriteSection(IniFile& ini, std::string_view section, const Record& record) {
    ini.EraseSection(section);
    IniKeyWriter writer(ini, section);
    // The writer only reads the fields; Exchange takes them by reference so that one key
    // list serves reading and writing.
    const_cast<Record&>(record).Exchange(writer);
}

}  // namespace skin
