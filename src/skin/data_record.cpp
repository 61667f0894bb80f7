#include "skin/data_record.h"

#include "skin/ini_file.h"
#include "skin/key_exchange.h"

namespace skin {

void DataRecord::LoadFromIni(const IniFile& ini) {
    ReadSection(ini, IDName, *this);
}

void DataRecord::SaveToIni(IniFile& ini) const {
    WriteSection(ini, IDName, *this);
}

}  // namespace skin
