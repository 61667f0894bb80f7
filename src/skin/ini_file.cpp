#include "skin/ini_file.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "skin/skin_values.h"

namespace skin {

namespace {

std::string FormatMessage(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view problem) {
    std::string message = "skin definition, section [";
    message += section;
    message += "], key \"";
    message += key;
    message += "\", value \"";
    message += value;
    message += "\": ";
    message += problem;
    return message;
}

// The index a key names when it is written as a plain decimal without sign or leading zeros.
std::optional<int> CanonicalIndex(std::string_view key) {
    if (key.empty() || (key.size() > 1 && key[0] == '0')) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), value);
    if (ec != std::errc() || end != key.data() + key.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

SkinFormatError::SkinFormatError(std::string_view section, std::string_view key, std::string_view value,
                                 std::string_view problem)
    : std::runtime_error(FormatMessage(section, key, value, problem)) {}

IniFile::IniFile(std::span<const std::string> lines) {
    Section* current = nullptr;
    for (const std::string& raw : lines) {
        const std::string_view line = TrimSkinText(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = TrimSkinText(line.substr(1, line.size() - 2));
            // A repeated section is not reachable by name, so its lines are dropped.
            if (FindSection(name) != nullptr) {
                current = nullptr;
                continue;
            }
            sectionIndex_.emplace(LowerAscii(name), sections_.size());
            current = &sections_.emplace_back(Section{std::string(name), {}, {}});
            continue;
        }
        const std::size_t eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos) continue;
        AddEntry(*current, TrimSkinText(line.substr(0, eq)), TrimSkinText(line.substr(eq + 1)));
    }
}

IniFile IniFile::FromText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return IniFile(lines);
}

void IniFile::AddEntry(Section& s, std::string_view key, std::string_view value) {
    s.index.emplace(LowerAscii(key), s.entries.size());
    s.entries.emplace_back(std::string(key), std::string(value));
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
    const auto it = sectionIndex_.find(LowerAscii(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

const std::string* IniFile::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return nullptr;
    const auto it = s->index.find(LowerAscii(key));
    return it == s->index.end() ? nullptr : &s->entries[it->second].second;
}

std::size_t IniFile::KeyCount(std::string_view section) const {
    const Section* s = FindSection(section);
    return s == nullptr ? 0 : s->index.size();
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const std::string* value = Find(section, key);
    return value != nullptr ? *value : std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    const std::string* value = Find(section, key);
    if (value == nullptr) return def;
    return ParseSkinInteger(*value).value_or(def);
}

gfx::Color IniFile::ReadColor(std::string_view section, std::string_view key, gfx::Color def) const {
    return static_cast<gfx::Color>(ReadInteger(section, key, static_cast<int>(def)));
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) == 1;
}

std::vector<int> IniFile::NumberList(std::string_view section, std::string_view key, const std::string& value,
                                     int count) const {
    auto numbers = ParseNumberList(value, count);
    if (!numbers) {
        throw SkinFormatError(section, key, value,
                              count == 2 ? "expected two numbers \"x,y\"" : "expected four numbers \"left,top,right,bottom\"");
    }
    return std::move(*numbers);
}

gfx::Point IniFile::ReadPoint(std::string_view section, std::string_view key, gfx::Point def) const {
    const std::string* value = Find(section, key);
    if (value == nullptr) return def;
    const std::vector<int> n = NumberList(section, key, *value, 2);
    return {n[0], n[1]};
}

gfx::Rect IniFile::ReadRect(std::string_view section, std::string_view key, gfx::Rect def) const {
    const std::string* value = Find(section, key);
    if (value == nullptr) return def;
    const std::vector<int> n = NumberList(section, key, *value, 4);
    return {n[0], n[1], n[2], n[3]};
}

std::uint8_t IniFile::ReadFontStyle(std::string_view section, std::string_view key, std::uint8_t def) const {
    const std::string* value = Find(section, key);
    return value == nullptr ? def : ParseFontStyle(*value);
}

int IniFile::ReadEnum(std::string_view section, std::string_view key, const EnumTexts& texts, int def) const {
    const std::string* value = Find(section, key);
    return value == nullptr ? def : texts.Parse(*value);
}

int IniFile::ListCount(std::string_view section, std::string_view countKey) const {
    const int count = ReadInteger(section, countKey, 0);
    // Every item is a key of the section, so a larger count cannot be real; refusing it
    // keeps a damaged count from asking for billions of items.
    if (count > 0 && static_cast<std::size_t>(count) > KeyCount(section)) {
        throw SkinFormatError(section, countKey, ReadString(section, countKey, ""),
                              "the count is larger than the number of keys in the section");
    }
    return std::max(count, 0);
}

std::vector<std::string> IniFile::ReadList(std::string_view section, std::string_view name) const {
    const int count = ListCount(section, std::string(name) + "count");
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ReadString(section, std::to_string(i), ""));
    return items;
}

std::vector<std::string> IniFile::ReadLines(std::string_view section, std::string_view name) const {
    const std::string prefix = std::string(name) + "line";
    const int count = ListCount(section, prefix + "count");
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ReadString(section, prefix + std::to_string(i), ""));
    return items;
}

std::vector<std::pair<int, const std::string*>> IniFile::IndexedValues(std::string_view section, int count) const {
    std::vector<std::pair<int, const std::string*>> values;
    const Section* s = FindSection(section);
    if (s == nullptr) return values;
    // Walking the keys rather than the indices keeps a huge count cheap.
    for (const auto& [lowerKey, entry] : s->index) {
        const std::optional<int> index = CanonicalIndex(lowerKey);
        if (index && *index < count) values.emplace_back(*index, &s->entries[entry].second);
    }
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
}

IniFile::Section& IniFile::SectionForWriting(std::string_view section) {
    const auto it = sectionIndex_.find(LowerAscii(section));
    if (it != sectionIndex_.end()) return sections_[it->second];
    sectionIndex_.emplace(LowerAscii(section), sections_.size());
    return sections_.emplace_back(Section{std::string(section), {}, {}});
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = SectionForWriting(section);
    const auto it = s.index.find(LowerAscii(key));
    if (it != s.index.end()) {
        s.entries[it->second].second = value;
    } else {
        AddEntry(s, key, value);
    }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteColor(std::string_view section, std::string_view key, gfx::Color value) {
    WriteInteger(section, key, static_cast<int>(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WritePoint(std::string_view section, std::string_view key, gfx::Point value) {
    WriteString(section, key, std::to_string(value.x) + "," + std::to_string(value.y));
}

void IniFile::WriteRect(std::string_view section, std::string_view key, gfx::Rect value) {
    WriteString(section, key,
                std::to_string(value.left) + "," + std::to_string(value.top) + "," + std::to_string(value.right) + "," +
                    std::to_string(value.bottom));
}

void IniFile::WriteFontStyle(std::string_view section, std::string_view key, std::uint8_t value) {
    WriteString(section, key, FormatFontStyle(value));
}

void IniFile::WriteEnum(std::string_view section, std::string_view key, const EnumTexts& texts, int value) {
    WriteString(section, key, texts.Text(value));
}

void IniFile::WriteList(std::string_view section, std::string_view name, std::span<const std::string> items) {
    WriteInteger(section, std::string(name) + "count", static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) WriteString(section, std::to_string(i), items[i]);
}

void IniFile::WriteLines(std::string_view section, std::string_view name, std::span<const std::string> items) {
    const std::string prefix = std::string(name) + "line";
    WriteInteger(section, prefix + "count", static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) WriteString(section, prefix + std::to_string(i), items[i]);
}

void IniFile::EraseSection(std::string_view section) {
    const auto it = sectionIndex_.find(LowerAscii(section));
    if (it == sectionIndex_.end()) return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    Reindex();
}

void IniFile::Reindex() {
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) sectionIndex_.emplace(LowerAscii(sections_[i].name), i);
}

std::vector<std::string> IniFile::Lines() const {
    std::vector<std::string> lines;
    for (const Section& s : sections_) {
        lines.push_back("[" + s.name + "]");
        for (const auto& [key, value] : s.entries) lines.push_back(key + "=" + value);
        lines.emplace_back();
    }
    return lines;
}

}  // namespace skin
