// Typed readers and writers of the skin definition's value syntaxes.
//
// Each reader takes (document, section, key) and applies the syntax's default
// when the key is missing. Keywords are compared exactly (case-sensitive) and
// unknown ones take their syntax's fall-back value silently. The only reader
// that can fail is the point/rectangle one: a field without digits (an empty
// value, one number where two are needed) or a digit run past 32 bits raises
// EvxConvertError and ends the skin load.
//
// The writers are the save direction of the records: same keys, same syntax,
// so that saving a loaded record and reading it back gives the same values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vxSkinIni.h"
#include "vxSkinTypes.h"

namespace vx {

// The longest list a list key may describe; larger counts are cut to this.
constexpr int32_t kMaxSkinListSize = 65536;

using Ini = TvxSkinIni;
using Sv = std::string_view;

int32_t ReadSkinInteger(const Ini& ini, Sv section, Sv key, int32_t def = 0);
int32_t ReadSkinPictureIndex(const Ini& ini, Sv section, Sv key);  // default -1
TvxColor ReadSkinColor(const Ini& ini, Sv section, Sv key, TvxColor def = 0);
bool ReadSkinBool(const Ini& ini, Sv section, Sv key);
std::string ReadSkinString(const Ini& ini, Sv section, Sv key, Sv def = {});
std::string ReadSkinFontName(const Ini& ini, Sv section, Sv key);  // default "Arial"
int32_t ReadSkinFontHeight(const Ini& ini, Sv section, Sv key);    // default 14
TvxPoint ReadSkinPoint(const Ini& ini, Sv section, Sv key);
TvxRect ReadSkinRect(const Ini& ini, Sv section, Sv key);
TvxFontStyles ReadSkinFontStyle(const Ini& ini, Sv section, Sv key);
TvxAlignment ReadSkinAlignment(const Ini& ini, Sv section, Sv key);
TvxStretchType ReadSkinStretchType(const Ini& ini, Sv section, Sv key);
TvxInactiveEffect ReadSkinInactiveEffect(const Ini& ini, Sv section, Sv key);
TvxMorphKind ReadSkinMorphKind(const Ini& ini, Sv section, Sv key);
TvxStdCommand ReadSkinCommand(const Ini& ini, Sv section, Sv key);
// The string list `name`: "<name>count" and the keys "0" ... count-1 (missing ones read "").
std::vector<std::string> ReadSkinList(const Ini& ini, Sv section, Sv name);

void WriteSkinInteger(Ini& ini, Sv section, Sv key, int32_t value);
void WriteSkinBool(Ini& ini, Sv section, Sv key, bool value);
void WriteSkinString(Ini& ini, Sv section, Sv key, Sv value);
void WriteSkinPoint(Ini& ini, Sv section, Sv key, const TvxPoint& p);
void WriteSkinRect(Ini& ini, Sv section, Sv key, const TvxRect& r);
void WriteSkinFontStyle(Ini& ini, Sv section, Sv key, TvxFontStyles styles);
void WriteSkinAlignment(Ini& ini, Sv section, Sv key, TvxAlignment a);
void WriteSkinStretchType(Ini& ini, Sv section, Sv key, TvxStretchType t);
void WriteSkinInactiveEffect(Ini& ini, Sv section, Sv key, TvxInactiveEffect e);
void WriteSkinMorphKind(Ini& ini, Sv section, Sv key, TvxMorphKind k);
void WriteSkinCommand(Ini& ini, Sv section, Sv key, TvxStdCommand c);
void WriteSkinList(Ini& ini, Sv section, Sv name, const std::vector<std::string>& items);

// Keywords as the definition spells them.
const char* AlignmentKeyword(TvxAlignment a);
const char* StretchTypeKeyword(TvxStretchType t);
const char* InactiveEffectKeyword(TvxInactiveEffect e);
const char* MorphKindKeyword(TvxMorphKind k);
const char* CommandKeyword(TvxStdCommand c);

// Splits "a,b,..." into `count` decimal fields keeping only digits; surplus
// fields are ignored. Throws EvxConvertError naming `what` on a bad field.
void ParseSkinFields(Sv text, int32_t* fields, int count, Sv what);

}  // namespace vx
