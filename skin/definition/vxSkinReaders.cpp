#include "vxSkinReaders.h"

#include <algorithm>
#include <iterator>

#include "vxSkinErrors.h"

namespace vx {
namespace {

constexpr const char* kAlignments[] = {"taleftjustify", "tarightjustify", "tacenter"};
constexpr const char* kStretchTypes[] = {"stfull", "sthorz", "stvert"};
constexpr const char* kInactiveEffects[] = {"iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
constexpr const char* kMorphKinds[] = {"mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr const char* kCommands[] = {"cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};
constexpr const char* kFontStyles[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};

// Position of `text` in the keyword table, or `fallback` when it is none of them.
template <size_t N>
int KeywordIndex(const char* const (&table)[N], Sv text, int fallback) {
  for (size_t i = 0; i < N; ++i)
    if (text == table[i]) return static_cast<int>(i);
  return fallback;
}

// The keyword value of a key, or the syntax's default keyword when the key is missing.
Sv Keyword(const Ini& ini, Sv section, Sv key, Sv def) {
  Sv v;
  return ini.Find(section, key, v) ? v : def;
}

std::string Describe(Sv section, Sv key) {
  std::string out = "[";
  out.append(section).append("] ").append(key);
  return out;
}

}  // namespace

namespace {

constexpr const char* kNotAnInteger = ": '' is not a valid integer value";
constexpr const char* kTooLarge = ": number too large for an integer value";

// The fields, or the error's text (without what was being read): the caller
// names the key only when there is an error to report.
const char* TryParseSkinFields(Sv text, int32_t* fields, int count) {
  int field = 0;
  int64_t value = 0;
  bool digits = false;
  auto close = [&] {
    if (field < count) {
      if (!digits) return false;
      fields[field] = static_cast<int32_t>(value);
    }
    ++field;
    value = 0;
    digits = false;
    return true;
  };
  for (char c : text) {
    if (c == ',') {
      if (!close()) return kNotAnInteger;
      if (field >= count) return nullptr;  // surplus fields are outside the syntax and ignored
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      digits = true;
      if (value > 0x7FFFFFFF) return kTooLarge;
    }
  }
  if (!close() || field < count) return kNotAnInteger;
  return nullptr;
}

void ParseKeyFields(Sv text, int32_t* fields, int count, Sv section, Sv key) {
  if (const char* error = TryParseSkinFields(text, fields, count))
    throw EvxConvertError(Describe(section, key) + error);
}

}  // namespace

void ParseSkinFields(Sv text, int32_t* fields, int count, Sv what) {
  if (const char* error = TryParseSkinFields(text, fields, count)) throw EvxConvertError(std::string(what) + error);
}

int32_t ReadSkinInteger(const Ini& ini, Sv section, Sv key, int32_t def) { return ini.ReadInteger(section, key, def); }
int32_t ReadSkinPictureIndex(const Ini& ini, Sv section, Sv key) { return ini.ReadInteger(section, key, -1); }
TvxColor ReadSkinColor(const Ini& ini, Sv section, Sv key, TvxColor def) { return ini.ReadInteger(section, key, def); }
bool ReadSkinBool(const Ini& ini, Sv section, Sv key) { return ini.ReadInteger(section, key, 0) == 1; }
std::string ReadSkinString(const Ini& ini, Sv section, Sv key, Sv def) { return ini.ReadString(section, key, def); }
std::string ReadSkinFontName(const Ini& ini, Sv section, Sv key) { return ini.ReadString(section, key, "Arial"); }
int32_t ReadSkinFontHeight(const Ini& ini, Sv section, Sv key) { return ini.ReadInteger(section, key, 14); }

TvxPoint ReadSkinPoint(const Ini& ini, Sv section, Sv key) {
  Sv v;
  if (!ini.Find(section, key, v)) return {};
  int32_t f[2];
  ParseKeyFields(v, f, 2, section, key);
  return {f[0], f[1]};
}

TvxRect ReadSkinRect(const Ini& ini, Sv section, Sv key) {
  Sv v;
  if (!ini.Find(section, key, v)) return {};
  int32_t f[4];
  ParseKeyFields(v, f, 4, section, key);
  return {f[0], f[1], f[2], f[3]};
}

TvxFontStyles ReadSkinFontStyle(const Ini& ini, Sv section, Sv key) {
  std::string v = ini.ReadString(section, key, "");
  TvxFontStyles styles = 0;
  for (int i = 0; i < 4; ++i)
    if (v.find(kFontStyles[i]) != std::string::npos) styles |= static_cast<TvxFontStyles>(1u << i);
  return styles;
}

TvxAlignment ReadSkinAlignment(const Ini& ini, Sv section, Sv key) {
  const Sv v = Keyword(ini, section, key, "tacenter");
  if (v == "taleftjustify") return TvxAlignment::taLeftJustify;
  if (v == "tacenter") return TvxAlignment::taCenter;
  return TvxAlignment::taRightJustify;
}

TvxStretchType ReadSkinStretchType(const Ini& ini, Sv section, Sv key) {
  return static_cast<TvxStretchType>(KeywordIndex(kStretchTypes, Keyword(ini, section, key, "stfull"), 1));
}

TvxInactiveEffect ReadSkinInactiveEffect(const Ini& ini, Sv section, Sv key) {
  return static_cast<TvxInactiveEffect>(KeywordIndex(kInactiveEffects, Keyword(ini, section, key, "iebrightness"), 2));
}

TvxMorphKind ReadSkinMorphKind(const Ini& ini, Sv section, Sv key) {
  return static_cast<TvxMorphKind>(KeywordIndex(kMorphKinds, Keyword(ini, section, key, "mkdefault"), 0));
}

TvxStdCommand ReadSkinCommand(const Ini& ini, Sv section, Sv key) {
  return static_cast<TvxStdCommand>(KeywordIndex(kCommands, Keyword(ini, section, key, "cmdefault"), 6));
}

std::vector<std::string> ReadSkinList(const Ini& ini, Sv section, Sv name) {
  int32_t count = ini.ReadInteger(section, std::string(name) + "count", 0);
  count = std::clamp(count, 0, kMaxSkinListSize);
  std::vector<std::string> items(static_cast<size_t>(count));
  for (const auto& nv : ini.NumberedKeys(section, count)) items[nv.Index] = std::string(nv.Value);
  return items;
}

void WriteSkinInteger(Ini& ini, Sv section, Sv key, int32_t value) { ini.WriteInteger(section, key, value); }
void WriteSkinBool(Ini& ini, Sv section, Sv key, bool value) { ini.WriteString(section, key, value ? "1" : "0"); }
void WriteSkinString(Ini& ini, Sv section, Sv key, Sv value) { ini.WriteString(section, key, value); }

void WriteSkinPoint(Ini& ini, Sv section, Sv key, const TvxPoint& p) {
  ini.WriteString(section, key, std::to_string(p.X) + "," + std::to_string(p.Y));
}

void WriteSkinRect(Ini& ini, Sv section, Sv key, const TvxRect& r) {
  ini.WriteString(section, key, std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
                                    std::to_string(r.Bottom));
}

void WriteSkinFontStyle(Ini& ini, Sv section, Sv key, TvxFontStyles styles) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (!(styles & (1u << i))) continue;
    if (!text.empty()) text += ",";
    text += kFontStyles[i];
  }
  ini.WriteString(section, key, text);
}

const char* AlignmentKeyword(TvxAlignment a) { return kAlignments[static_cast<int>(a)]; }
const char* StretchTypeKeyword(TvxStretchType t) { return kStretchTypes[static_cast<int>(t)]; }
const char* InactiveEffectKeyword(TvxInactiveEffect e) { return kInactiveEffects[static_cast<int>(e)]; }
const char* MorphKindKeyword(TvxMorphKind k) { return kMorphKinds[static_cast<int>(k)]; }
const char* CommandKeyword(TvxStdCommand c) { return kCommands[static_cast<int>(c)]; }

void WriteSkinAlignment(Ini& ini, Sv section, Sv key, TvxAlignment a) { ini.WriteString(section, key, AlignmentKeyword(a)); }
void WriteSkinStretchType(Ini& ini, Sv section, Sv key, TvxStretchType t) { ini.WriteString(section, key, StretchTypeKeyword(t)); }
void WriteSkinInactiveEffect(Ini& ini, Sv section, Sv key, TvxInactiveEffect e) {
  ini.WriteString(section, key, InactiveEffectKeyword(e));
}
void WriteSkinMorphKind(Ini& ini, Sv section, Sv key, TvxMorphKind k) { ini.WriteString(section, key, MorphKindKeyword(k)); }
void WriteSkinCommand(Ini& ini, Sv section, Sv key, TvxStdCommand c) { ini.WriteString(section, key, CommandKeyword(c)); }

void WriteSkinList(Ini& ini, Sv section, Sv name, const std::vector<std::string>& items) {
  ini.WriteInteger(section, std::string(name) + "count", static_cast<int32_t>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) ini.WriteString(section, std::to_string(i), items[i]);
}

}  // namespace vx
