#include "skin/records/data_record.h"

#include "skin/definition/ini_file.h"
#include "skin/definition/key_exchange.h"

namespace skin {

void DataRecord::LoadFromIni(const IniFile& ini) { ReadSection(ini, IDName, *this); }

void DataRecord::SaveToIni(IniFile& ini) const { WriteSection(ini, IDName, *this); }

}  // namespace skin
