// One description of a record's keys, used for loading, saving and listing.
//
// Every record class lists its keys once, in reading order, in VisitFields
// (base class first). Loading, saving and the key listing of the tests all
// walk that one list, so a record's save can never drift from its load: the
// same keys, the same order, the same syntax and default.
#pragma once

#include <string>
#include <vector>

#include "vxSkinRecord.h"
#include "vxSkinTypes.h"

namespace vx {

class TvxRecordFields {
 public:
  virtual ~TvxRecordFields() = default;
  virtual void Int(const char* key, int32_t& v, int32_t def = 0) = 0;
  virtual void Picture(const char* key, int32_t& v) = 0;  // default -1
  virtual void Color(const char* key, TvxColor& v, TvxColor def = 0) = 0;
  virtual void Bool(const char* key, bool& v) = 0;
  virtual void String(const char* key, std::string& v, const char* def = "") = 0;
  virtual void FontName(const char* key, std::string& v) = 0;  // default "Arial"
  virtual void FontHeight(const char* key, int32_t& v) = 0;    // default 14
  virtual void FontStyle(const char* key, TvxFontStyles& v) = 0;
  virtual void Point(const char* key, TvxPoint& v) = 0;
  virtual void Rect(const char* key, TvxRect& v) = 0;
  virtual void Alignment(const char* key, TvxAlignment& v) = 0;
  virtual void StretchType(const char* key, TvxStretchType& v) = 0;
  virtual void InactiveEffect(const char* key, TvxInactiveEffect& v) = 0;
  virtual void MorphKind(const char* key, TvxMorphKind& v) = 0;
  virtual void Command(const char* key, TvxStdCommand& v) = 0;
};

// A record whose keys are described by VisitFields. LoadFromIni reads them
// and then runs AfterLoad (the rules some classes apply to what they read);
// SaveToIni writes the fields as they are held.
class TvxFieldRecord : public TvxSkinRecord {
 public:
  virtual void VisitFields(TvxRecordFields& f) = 0;
  void LoadFromIni(const TvxSkinIni& ini, const std::string& section) override;
  void SaveToIni(TvxSkinIni& ini, const std::string& section) const override;
  // The keys in reading order.
  std::vector<std::string> KeyNames() const;

 protected:
  virtual void AfterLoad(const TvxSkinIni& ini) {}
};

// The four font keys most records share: "fontname", "fontheight", "fontstyle", "fontcolor".
void VisitFontKeys(TvxRecordFields& f, std::string& name, int32_t& height, TvxFontStyles& style, TvxColor& color);

}  // namespace vx
