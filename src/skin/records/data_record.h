#pragma once

#include <string>
#include <string_view>

namespace skin {

class IniFile;
class KeyExchange;

// A named record of the skin definition whose keys live in the section named by IDName.
// Every record lists its keys in Exchange (its base's first); reading and writing follow
// that list.
class DataRecord {
public:
    virtual ~DataRecord() = default;

    // The record's name, also the name of the section that holds its keys.
    std::string IDName;

    // The kind text that selects this record's class in the skin definition.
    [[nodiscard]] virtual std::string_view KindName() const = 0;
    // Visits every key of the record in reading order.
    virtual void Exchange(KeyExchange& io) = 0;
    // Reads the record's keys from its section; absent keys keep the defaults of a new record.
    virtual void LoadFromIni(const IniFile& ini);
    // Replaces the record's section with the canonical written form of its keys.
    virtual void SaveToIni(IniFile& ini) const;
};

}  // namespace skin
