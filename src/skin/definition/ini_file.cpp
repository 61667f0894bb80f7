#include "skin/definition/ini_file.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>

#include "skin/definition/skin_values.h"

namespace skin {

namespace {

int LowerChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? u - 'A' + 'a' : u;
}

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

// Three-way comparison ignoring ASCII letter case, the order section names and keys are kept in.
int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = LowerChar(a[i]);
        const int cb = LowerChar(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Whether the texts match without regard to ASCII letter case. Keys are nearly always
// written in the case the program asks for them, so an exact match is tried first.
bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != LowerChar(b[i])) return false;
    }
    return true;
}

// Eight bytes with the ASCII capitals among them made small, all at once: a byte gets 0x20
// added where its low seven bits lie in 'A'..'Z' and its top bit is clear.
std::uint64_t LowerWord(std::uint64_t x) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const std::uint64_t low = x & (0x7F * kOnes);
    const std::uint64_t atLeastA = low + (0x80 - 'A') * kOnes;
    const std::uint64_t aboveZ = low + (0x80 - 'Z' - 1) * kOnes;
    const std::uint64_t capitals = atLeastA & ~aboveZ & ~x & (0x80 * kOnes);
    return x | (capitals >> 2);
}

// Up to eight bytes of text from `at`, little-endian, zero beyond them.
std::uint64_t WordAt(std::string_view text, std::size_t at, std::size_t n) {
    if (n == 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        return word;
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < n; ++i) word |= std::uint64_t{static_cast<unsigned char>(text[at + i])} << (8 * i);
    return word;
}

// Mixes the length and the first and last eight bytes, folded to small letters: equal for
// keys that match without case. Keys are short, so this sees most of them whole, and longer
// keys that collide are told apart by comparing them; it is far cheaper than a byte-wise hash.
std::uint64_t HashNoCase(std::string_view text) {
    const std::size_t n = text.size();
    std::uint64_t hash = (LowerWord(WordAt(text, 0, std::min<std::size_t>(n, 8))) ^ n) * 0x9E3779B97F4A7C15ull;
    if (n > 8) hash = std::rotl(hash, 29) ^ (LowerWord(WordAt(text, n - 8, 8)) * 0xC2B2AE3D27D4EB4Full);
    return hash ^ (hash >> 32);
}

// The index a key names when it is written as a plain decimal without sign or leading zeros.
std::optional<int> CanonicalIndex(std::string_view key) {
    if (key.empty() || (key.size() > 1 && key[0] == '0')) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), value);
    if (ec != std::errc() || end != key.data() + key.size() || value < 0) return std::nullopt;
    return value;
}

// The first CR or LF in [p, end), or end. Eight bytes are tested at once for any byte below
// 14 (CR is 13); only a word that has one is looked at byte by byte.
const char* NextLineBreak(const char* p, const char* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if (((word - 14 * kOnes) & ~word & (0x80 * kOnes)) != 0) break;
        p += 8;
    }
    while (p < end && *p != '\r' && *p != '\n') ++p;
    return p;
}

// Whether a trimmed line is a "[name]" section header.
bool IsSectionLine(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

}  // namespace

SkinFormatError::SkinFormatError(std::string_view section, std::string_view key, std::string_view value,
                                 std::string_view problem)
    : std::runtime_error(FormatMessage(section, key, value, problem)) {}

IniFile::IniFile(std::span<const std::string> lines) {
    // The lines are copied end to end into one text and viewed there once it is complete.
    std::string& text = text_->emplace_back();
    std::size_t total = 0;
    for (const std::string& line : lines) total += line.size();
    text.reserve(total);
    for (const std::string& line : lines) text += line;
    Section* current = nullptr;
    std::size_t at = 0;
    for (const std::string& line : lines) {
        AddLine(std::string_view(text).substr(at, line.size()), current);
        at += line.size();
    }
    IndexAllKeys();
}

IniFile IniFile::FromText(std::string_view source) {
    IniFile ini;
    const std::string_view text = ini.Keep(source);
    Section* current = nullptr;
    const char* const end = text.data() + text.size();
    const char* start = text.data();
    while (start < end) {
        const char* breakAt = NextLineBreak(start, end);
        ini.AddLine(std::string_view(start, static_cast<std::size_t>(breakAt - start)), current);
        if (breakAt == end) break;
        start = breakAt + ((*breakAt == '\r' && breakAt + 1 < end && breakAt[1] == '\n') ? 2 : 1);
    }
    ini.IndexAllKeys();
    return ini;
}

std::string_view IniFile::Keep(std::string_view text) { return text_->emplace_back(text); }

void IniFile::AddLine(std::string_view raw, Section*& current) {
    const std::string_view line = TrimSkinText(raw);
    if (line.empty() || line.front() == ';') return;
    if (IsSectionLine(line)) {
        const std::string_view name = TrimSkinText(line.substr(1, line.size() - 2));
        // A repeated section is not reachable by name, so its lines are dropped.
        if (FindSection(name) != nullptr) {
            current = nullptr;
            return;
        }
        sections_.push_back(Section{name, {}, {}, 0});
        IndexNewSection();
        current = &sections_.back();
        return;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) return;
    current->entries.emplace_back(TrimSkinText(line.substr(0, eq)), TrimSkinText(line.substr(eq + 1)));
}

void IniFile::IndexAllKeys() {
    for (Section& s : sections_) {
        s.slots.clear();
        s.keyCount = 0;
        GrowKeyTable(s, s.entries.size());
        // In text order, so that a repeated key finds its first occurrence already there.
        for (std::uint32_t i = 0; i < s.entries.size(); ++i) IndexEntry(s, i, HashNoCase(s.entries[i].first));
    }
}

void IniFile::GrowKeyTable(Section& s, std::size_t keys) {
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(8, keys * 2));
    if (size <= s.slots.size()) return;
    const std::vector<Slot> old = std::exchange(s.slots, std::vector<Slot>(size));
    s.keyCount = 0;
    for (const Slot& slot : old) {
        if (slot.entry != 0) IndexEntry(s, slot.entry - 1, slot.hash);
    }
}

std::size_t IniFile::Probe(const Section& s, std::string_view key, std::uint32_t hash) {
    const std::size_t mask = s.slots.size() - 1;
    std::size_t at = hash & mask;
    for (; s.slots[at].entry != 0; at = (at + 1) & mask) {
        const Slot& slot = s.slots[at];
        if (slot.hash == hash && EqualNoCase(s.entries[slot.entry - 1].first, key)) break;
    }
    return at;
}

void IniFile::IndexEntry(Section& s, std::uint32_t entry, std::uint64_t hash) {
    const auto low = static_cast<std::uint32_t>(hash);
    Slot& slot = s.slots[Probe(s, s.entries[entry].first, low)];
    if (slot.entry != 0) return;
    slot = Slot{low, entry + 1};
    ++s.keyCount;
}

void IniFile::IndexNewSection() {
    const auto position = static_cast<std::uint32_t>(sections_.size() - 1);
    const std::string_view name = sections_.back().name;
    const auto at = std::lower_bound(
        sectionIndex_.begin(), sectionIndex_.end(), name,
        [this](std::uint32_t i, std::string_view n) { return CompareNoCase(sections_[i].name, n) < 0; });
    sectionIndex_.insert(at, position);
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
    const auto at = std::lower_bound(
        sectionIndex_.begin(), sectionIndex_.end(), section,
        [this](std::uint32_t i, std::string_view n) { return CompareNoCase(sections_[i].name, n) < 0; });
    if (at == sectionIndex_.end() || !EqualNoCase(sections_[*at].name, section)) return nullptr;
    return &sections_[*at];
}

const std::string_view* IniFile::FindKey(const Section& s, std::string_view key, std::uint64_t hash) {
    if (s.slots.empty()) return nullptr;
    const Slot& slot = s.slots[Probe(s, key, static_cast<std::uint32_t>(hash))];
    return slot.entry == 0 ? nullptr : &s.entries[slot.entry - 1].second;
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Find(section, key).has_value();
}

std::optional<std::string_view> IniFile::Find(std::string_view section, std::string_view key) const {
    return SectionReader(*this, section).Find(key);
}

std::size_t IniFile::KeyCount(std::string_view section) const { return SectionReader(*this, section).KeyCount(); }

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_) names.emplace_back(s.name);
    return names;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    return SectionReader(*this, section).ReadString(key, def);
}
int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    return SectionReader(*this, section).ReadInteger(key, def);
}
gfx::Color IniFile::ReadColor(std::string_view section, std::string_view key, gfx::Color def) const {
    return SectionReader(*this, section).ReadColor(key, def);
}
bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return SectionReader(*this, section).ReadBool(key, def);
}
gfx::Point IniFile::ReadPoint(std::string_view section, std::string_view key, gfx::Point def) const {
    return SectionReader(*this, section).ReadPoint(key, def);
}
gfx::Rect IniFile::ReadRect(std::string_view section, std::string_view key, gfx::Rect def) const {
    return SectionReader(*this, section).ReadRect(key, def);
}
std::uint8_t IniFile::ReadFontStyle(std::string_view section, std::string_view key, std::uint8_t def) const {
    return SectionReader(*this, section).ReadFontStyle(key, def);
}
int IniFile::ReadEnum(std::string_view section, std::string_view key, const EnumTexts& texts, int def) const {
    return SectionReader(*this, section).ReadEnum(key, texts, def);
}
std::vector<std::string> IniFile::ReadList(std::string_view section, std::string_view name) const {
    return SectionReader(*this, section).ReadList(name);
}
std::vector<std::string> IniFile::ReadLines(std::string_view section, std::string_view name) const {
    return SectionReader(*this, section).ReadLines(name);
}

IniFile::SectionReader::SectionReader(const IniFile& file, std::string_view section)
    : section_(file.FindSection(section)), name_(section) {}

std::optional<std::string_view> IniFile::SectionReader::Find(std::string_view key) const {
    if (section_ == nullptr) return std::nullopt;
    const std::string_view* value = FindKey(*section_, key, HashNoCase(key));
    if (value == nullptr) return std::nullopt;
    return *value;
}

std::size_t IniFile::SectionReader::KeyCount() const { return section_ == nullptr ? 0 : section_->keyCount; }

std::string IniFile::SectionReader::ReadString(std::string_view key, std::string_view def) const {
    return std::string(Find(key).value_or(def));
}

int IniFile::SectionReader::ReadInteger(std::string_view key, int def) const {
    const auto value = Find(key);
    if (!value) return def;
    return ParseSkinInteger(*value).value_or(def);
}

gfx::Color IniFile::SectionReader::ReadColor(std::string_view key, gfx::Color def) const {
    return static_cast<gfx::Color>(ReadInteger(key, static_cast<int>(def)));
}

bool IniFile::SectionReader::ReadBool(std::string_view key, bool def) const {
    return ReadInteger(key, def ? 1 : 0) == 1;
}

std::array<int, 4> IniFile::SectionReader::NumberList(std::string_view key, std::string_view value, int count) const {
    std::array<int, 4> numbers{};
    if (!ParseNumbers(value, std::span(numbers).first(static_cast<std::size_t>(count)))) {
        throw SkinFormatError(
            name_, key, value,
            count == 2 ? "expected two numbers \"x,y\"" : "expected four numbers \"left,top,right,bottom\"");
    }
    return numbers;
}

gfx::Point IniFile::SectionReader::ReadPoint(std::string_view key, gfx::Point def) const {
    const auto value = Find(key);
    if (!value) return def;
    const auto n = NumberList(key, *value, 2);
    return {n[0], n[1]};
}

gfx::Rect IniFile::SectionReader::ReadRect(std::string_view key, gfx::Rect def) const {
    const auto value = Find(key);
    if (!value) return def;
    const auto n = NumberList(key, *value, 4);
    return {n[0], n[1], n[2], n[3]};
}

std::uint8_t IniFile::SectionReader::ReadFontStyle(std::string_view key, std::uint8_t def) const {
    const auto value = Find(key);
    return value ? ParseFontStyle(*value) : def;
}

int IniFile::SectionReader::ReadEnum(std::string_view key, const EnumTexts& texts, int def) const {
    const auto value = Find(key);
    return value ? texts.Parse(*value) : def;
}

int IniFile::SectionReader::ListCount(std::string_view countKey) const {
    const int count = ReadInteger(countKey, 0);
    // Every item is a key of the section, so a larger count cannot be real; refusing it
    // keeps a damaged count from asking for billions of items.
    if (count > 0 && static_cast<std::size_t>(count) > KeyCount()) {
        throw SkinFormatError(name_, countKey, ReadString(countKey, ""),
                              "the count is larger than the number of keys in the section");
    }
    return std::max(count, 0);
}

std::vector<std::string> IniFile::SectionReader::ReadList(std::string_view name) const {
    const int count = ListCount(std::string(name) + "count");
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ReadString(std::to_string(i), ""));
    return items;
}

std::vector<std::string> IniFile::SectionReader::ReadLines(std::string_view name) const {
    const std::string prefix = std::string(name) + "line";
    const int count = ListCount(prefix + "count");
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ReadString(prefix + std::to_string(i), ""));
    return items;
}

std::vector<std::pair<int, std::string_view>> IniFile::IndexedValues(std::string_view section, int count) const {
    std::vector<std::pair<int, std::string_view>> values;
    const Section* s = FindSection(section);
    if (s == nullptr) return values;
    // Walking the keys rather than the indices keeps a huge count cheap.
    for (const Slot& slot : s->slots) {
        if (slot.entry == 0) continue;
        const auto& [key, value] = s->entries[slot.entry - 1];
        const std::optional<int> index = CanonicalIndex(key);
        if (index && *index < count) values.emplace_back(*index, value);
    }
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
}

IniFile::Section& IniFile::SectionForWriting(std::string_view section) {
    if (const Section* s = FindSection(section)) return const_cast<Section&>(*s);
    sections_.push_back(Section{Keep(section), {}, {}, 0});
    IndexNewSection();
    return sections_.back();
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = SectionForWriting(section);
    const std::uint64_t hash = HashNoCase(key);
    GrowKeyTable(s, s.keyCount + std::size_t{1});
    const Slot& slot = s.slots[Probe(s, key, static_cast<std::uint32_t>(hash))];
    if (slot.entry != 0) {
        s.entries[slot.entry - 1].second = Keep(value);
        return;
    }
    const auto entry = static_cast<std::uint32_t>(s.entries.size());
    s.entries.emplace_back(Keep(key), Keep(value));
    IndexEntry(s, entry, hash);
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
    const Section* s = FindSection(section);
    if (s == nullptr) return;
    const auto position = static_cast<std::uint32_t>(s - sections_.data());
    sections_.erase(sections_.begin() + position);
    std::erase(sectionIndex_, position);
    for (std::uint32_t& i : sectionIndex_) {
        if (i > position) --i;
    }
}

std::vector<std::string> IniFile::Lines() const {
    std::vector<std::string> lines;
    for (const Section& s : sections_) {
        std::string& header = lines.emplace_back("[");
        header += s.name;
        header += ']';
        for (const auto& [key, value] : s.entries) {
            std::string& line = lines.emplace_back(key);
            line += '=';
            line += value;
        }
        lines.emplace_back();
    }
    return lines;
}

}  // namespace skin
