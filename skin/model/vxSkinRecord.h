// Skin records: the base every record class derives from, and the factory
// that turns the type names of the definition's list sections into records.
//
// A record is a plain object named after its section. The skin data creates
// one per "SKINOBJECTS" / "SKINCONTROLS" entry (and one per window section:
// FORMINFO, POPUPWINDOW, LAYERFRAME, HINTWINDOW), then calls LoadFromIni with
// the section of its name. SaveToIni writes the same keys back, key for key,
// in the same syntax (see vxSkinReaders.h).
//
// Record classes register themselves in StandardRecordFactory()
// (vxSkinRecordTypes.cpp). Users find a record by name through the skin data
// and check its class with dynamic_cast (a derived class is accepted).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "vxSkinIni.h"

namespace vx {

class TvxSkinRecord {
 public:
  virtual ~TvxSkinRecord() = default;

  std::string Name;      // the entry's name, which is also the section read
  std::string TypeName;  // the entry's type keyword ("button", "stdbutton" ...) or the window section's name

  // Reads the record's keys from `section`. Base classes' keys first.
  virtual void LoadFromIni(const TvxSkinIni& ini, const std::string& section) {}
  // Writes the same keys, in the same order and syntax.
  virtual void SaveToIni(TvxSkinIni& ini, const std::string& section) const {}

  // The picture the record primarily draws from (-1 = none). Window records
  // expose theirs so clearing a skin can drop it and the broadcast can ask
  // whether the layered border has a picture.
  virtual int MainPictureIndex() const { return -1; }
  virtual void SetMainPictureIndex(int index) {}
};

// Which table a type name is looked up in.
enum class TvxRecordKind { Object, Control, Window };

class TvxSkinRecordFactory {
 public:
  using Maker = std::function<std::unique_ptr<TvxSkinRecord>()>;

  // Registers (or replaces) the class created for a type name. Type names are
  // exact and case-sensitive for objects and controls; window section names
  // ("FORMINFO" ...) are given in upper case.
  void Register(TvxRecordKind kind, std::string typeName, Maker make);
  bool Knows(TvxRecordKind kind, std::string_view typeName) const;
  // A new record with Name and TypeName set, or null for an unknown type.
  std::unique_ptr<TvxSkinRecord> Create(TvxRecordKind kind, std::string_view typeName, std::string_view name) const;

 private:
  std::map<std::string, Maker, std::less<>> makers_[3];
};

// The record classes of the engine, every type of both list sections and the
// four window sections.
const TvxSkinRecordFactory& StandardRecordFactory();

// The window sections held by the skin data, in the order they are read.
inline constexpr const char* kWindowSections[] = {"FORMINFO", "POPUPWINDOW", "LAYERFRAME", "HINTWINDOW"};

}  // namespace vx
