#include "vxSkinRecord.h"

namespace vx {

void TvxSkinRecordFactory::Register(TvxRecordKind kind, std::string typeName, Maker make) {
  makers_[static_cast<int>(kind)][std::move(typeName)] = std::move(make);
}

bool TvxSkinRecordFactory::Knows(TvxRecordKind kind, std::string_view typeName) const {
  const auto& table = makers_[static_cast<int>(kind)];
  return table.find(typeName) != table.end();
}

std::unique_ptr<TvxSkinRecord> TvxSkinRecordFactory::Create(TvxRecordKind kind, std::string_view typeName,
                                                           std::string_view name) const {
  const auto& table = makers_[static_cast<int>(kind)];
  auto it = table.find(typeName);
  if (it == table.end() || !it->second) return nullptr;
  std::unique_ptr<TvxSkinRecord> record = it->second();
  if (!record) return nullptr;
  record->Name = std::string(name);
  record->TypeName = std::string(typeName);
  return record;
}

}  // namespace vx
