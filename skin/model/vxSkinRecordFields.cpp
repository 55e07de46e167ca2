#include "vxSkinRecordFields.h"

#include "vxSkinReaders.h"

namespace vx {
namespace {

class Loader final : public TvxRecordFields {
 public:
  Loader(const TvxSkinIni& ini, const std::string& s) : ini_(ini), s_(s) {}
  void Int(const char* k, int32_t& v, int32_t def) override { v = ReadSkinInteger(ini_, s_, k, def); }
  void Picture(const char* k, int32_t& v) override { v = ReadSkinPictureIndex(ini_, s_, k); }
  void Color(const char* k, TvxColor& v, TvxColor def) override { v = ReadSkinColor(ini_, s_, k, def); }
  void Bool(const char* k, bool& v) override { v = ReadSkinBool(ini_, s_, k); }
  void String(const char* k, std::string& v, const char* def) override { v = ReadSkinString(ini_, s_, k, def); }
  void FontName(const char* k, std::string& v) override { v = ReadSkinFontName(ini_, s_, k); }
  void FontHeight(const char* k, int32_t& v) override { v = ReadSkinFontHeight(ini_, s_, k); }
  void FontStyle(const char* k, TvxFontStyles& v) override { v = ReadSkinFontStyle(ini_, s_, k); }
  void Point(const char* k, TvxPoint& v) override { v = ReadSkinPoint(ini_, s_, k); }
  void Rect(const char* k, TvxRect& v) override { v = ReadSkinRect(ini_, s_, k); }
  void Alignment(const char* k, TvxAlignment& v) override { v = ReadSkinAlignment(ini_, s_, k); }
  void StretchType(const char* k, TvxStretchType& v) override { v = ReadSkinStretchType(ini_, s_, k); }
  void InactiveEffect(const char* k, TvxInactiveEffect& v) override { v = ReadSkinInactiveEffect(ini_, s_, k); }
  void MorphKind(const char* k, TvxMorphKind& v) override { v = ReadSkinMorphKind(ini_, s_, k); }
  void Command(const char* k, TvxStdCommand& v) override { v = ReadSkinCommand(ini_, s_, k); }

 private:
  const TvxSkinIni& ini_;
  const std::string& s_;
};

class Saver final : public TvxRecordFields {
 public:
  Saver(TvxSkinIni& ini, const std::string& s) : ini_(ini), s_(s) {}
  void Int(const char* k, int32_t& v, int32_t) override { WriteSkinInteger(ini_, s_, k, v); }
  void Picture(const char* k, int32_t& v) override { WriteSkinInteger(ini_, s_, k, v); }
  void Color(const char* k, TvxColor& v, TvxColor) override { WriteSkinInteger(ini_, s_, k, v); }
  void Bool(const char* k, bool& v) override { WriteSkinBool(ini_, s_, k, v); }
  void String(const char* k, std::string& v, const char*) override { WriteSkinString(ini_, s_, k, v); }
  void FontName(const char* k, std::string& v) override { WriteSkinString(ini_, s_, k, v); }
  void FontHeight(const char* k, int32_t& v) override { WriteSkinInteger(ini_, s_, k, v); }
  void FontStyle(const char* k, TvxFontStyles& v) override { WriteSkinFontStyle(ini_, s_, k, v); }
  void Point(const char* k, TvxPoint& v) override { WriteSkinPoint(ini_, s_, k, v); }
  void Rect(const char* k, TvxRect& v) override { WriteSkinRect(ini_, s_, k, v); }
  void Alignment(const char* k, TvxAlignment& v) override { WriteSkinAlignment(ini_, s_, k, v); }
  void StretchType(const char* k, TvxStretchType& v) override { WriteSkinStretchType(ini_, s_, k, v); }
  void InactiveEffect(const char* k, TvxInactiveEffect& v) override { WriteSkinInactiveEffect(ini_, s_, k, v); }
  void MorphKind(const char* k, TvxMorphKind& v) override { WriteSkinMorphKind(ini_, s_, k, v); }
  void Command(const char* k, TvxStdCommand& v) override { WriteSkinCommand(ini_, s_, k, v); }

 private:
  TvxSkinIni& ini_;
  const std::string& s_;
};

class Lister final : public TvxRecordFields {
 public:
  std::vector<std::string> keys;
  void Int(const char* k, int32_t&, int32_t) override { keys.emplace_back(k); }
  void Picture(const char* k, int32_t&) override { keys.emplace_back(k); }
  void Color(const char* k, TvxColor&, TvxColor) override { keys.emplace_back(k); }
  void Bool(const char* k, bool&) override { keys.emplace_back(k); }
  void String(const char* k, std::string&, const char*) override { keys.emplace_back(k); }
  void FontName(const char* k, std::string&) override { keys.emplace_back(k); }
  void FontHeight(const char* k, int32_t&) override { keys.emplace_back(k); }
  void FontStyle(const char* k, TvxFontStyles&) override { keys.emplace_back(k); }
  void Point(const char* k, TvxPoint&) override { keys.emplace_back(k); }
  void Rect(const char* k, TvxRect&) override { keys.emplace_back(k); }
  void Alignment(const char* k, TvxAlignment&) override { keys.emplace_back(k); }
  void StretchType(const char* k, TvxStretchType&) override { keys.emplace_back(k); }
  void InactiveEffect(const char* k, TvxInactiveEffect&) override { keys.emplace_back(k); }
  void MorphKind(const char* k, TvxMorphKind&) override { keys.emplace_back(k); }
  void Command(const char* k, TvxStdCommand&) override { keys.emplace_back(k); }
};

}  // namespace

void TvxFieldRecord::LoadFromIni(const TvxSkinIni& ini, const std::string& section) {
  Loader loader(ini, section);
  VisitFields(loader);
  AfterLoad(ini);
}

void TvxFieldRecord::SaveToIni(TvxSkinIni& ini, const std::string& section) const {
  Saver saver(ini, section);
  // The walk hands out references so one list serves loading too; saving
  // only reads through them.
  const_cast<TvxFieldRecord*>(this)->VisitFields(saver);
}

std::vector<std::string> TvxFieldRecord::KeyNames() const {
  Lister lister;
  const_cast<TvxFieldRecord*>(this)->VisitFields(lister);
  return lister.keys;
}

void VisitFontKeys(TvxRecordFields& f, std::string& name, int32_t& height, TvxFontStyles& style, TvxColor& color) {
  f.FontName("fontname", name);
  f.FontHeight("fontheight", height);
  f.FontStyle("fontstyle", style);
  f.Color("fontcolor", color);
}

}  // namespace vx
