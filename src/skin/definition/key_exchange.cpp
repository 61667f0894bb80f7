#include "skin/definition/key_exchange.h"

#include "skin/definition/ini_file.h"

namespace skin {

void KeyExchange::Font(std::string_view prefix, gfx::Font& font) {
    const std::string p(prefix);
    String(p + "fontname", font.Name);
    Int(p + "fontheight", font.Height);
    FontStyle(p + "fontstyle", font.Style);
    Color(p + "fontcolor", font.FontColor);
}

void IniKeyReader::Int(std::string_view key, int& value) { value = reader_.ReadInteger(key, value); }
void IniKeyReader::Color(std::string_view key, gfx::Color& value) { value = reader_.ReadColor(key, value); }
void IniKeyReader::Bool(std::string_view key, bool& value) { value = reader_.ReadBool(key, value); }
void IniKeyReader::Point(std::string_view key, gfx::Point& value) { value = reader_.ReadPoint(key, value); }
void IniKeyReader::Rect(std::string_view key, gfx::Rect& value) { value = reader_.ReadRect(key, value); }
void IniKeyReader::String(std::string_view key, std::string& value) { value = reader_.ReadString(key, value); }
void IniKeyReader::FontStyle(std::string_view key, std::uint8_t& value) { value = reader_.ReadFontStyle(key, value); }
void IniKeyReader::EnumValue(std::string_view key, int& value, const EnumTexts& texts) {
    value = reader_.ReadEnum(key, texts, value);
}
void IniKeyReader::List(std::string_view name, std::vector<std::string>& items) { items = reader_.ReadList(name); }
void IniKeyReader::Lines(std::string_view name, std::vector<std::string>& items) { items = reader_.ReadLines(name); }

void IniKeyWriter::Int(std::string_view key, int& value) { ini_.WriteInteger(section_, key, value); }
void IniKeyWriter::Color(std::string_view key, gfx::Color& value) { ini_.WriteColor(section_, key, value); }
void IniKeyWriter::Bool(std::string_view key, bool& value) { ini_.WriteBool(section_, key, value); }
void IniKeyWriter::Point(std::string_view key, gfx::Point& value) { ini_.WritePoint(section_, key, value); }
void IniKeyWriter::Rect(std::string_view key, gfx::Rect& value) { ini_.WriteRect(section_, key, value); }
void IniKeyWriter::String(std::string_view key, std::string& value) { ini_.WriteString(section_, key, value); }
void IniKeyWriter::FontStyle(std::string_view key, std::uint8_t& value) { ini_.WriteFontStyle(section_, key, value); }
void IniKeyWriter::EnumValue(std::string_view key, int& value, const EnumTexts& texts) {
    ini_.WriteEnum(section_, key, texts, value);
}
void IniKeyWriter::List(std::string_view name, std::vector<std::string>& items) {
    ini_.WriteList(section_, name, items);
}
void IniKeyWriter::Lines(std::string_view name, std::vector<std::string>& items) {
    ini_.WriteLines(section_, name, items);
}

}  // namespace skin
