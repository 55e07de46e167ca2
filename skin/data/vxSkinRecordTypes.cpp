// The table of record classes: which class each type name of the definition's
// list sections creates, and the classes of the four window sections.
//
// Until the full record classes are in, every type creates a record holding
// the fields common to its family (controls: picture, mask and skin
// rectangle; frame objects: the object keys; window sections: their picture),
// so skins load with the right record count, names and order. The full
// classes take their place here by registering under the same type names.
#include <memory>

#include "vxSkinReaders.h"
#include "vxSkinRecord.h"

namespace vx {
namespace {

class BaseControlRecord : public TvxSkinRecord {
 public:
  int32_t pictureindex = -1;
  int32_t maskpictureindex = -1;
  TvxRect skinrect;

  void LoadFromIni(const TvxSkinIni& ini, const std::string& s) override {
    pictureindex = ReadSkinPictureIndex(ini, s, "pictureindex");
    maskpictureindex = ReadSkinPictureIndex(ini, s, "maskpictureindex");
    skinrect = ReadSkinRect(ini, s, "skinrect");
  }
  void SaveToIni(TvxSkinIni& ini, const std::string& s) const override {
    WriteSkinInteger(ini, s, "pictureindex", pictureindex);
    WriteSkinInteger(ini, s, "maskpictureindex", maskpictureindex);
    WriteSkinRect(ini, s, "skinrect", skinrect);
  }
  int MainPictureIndex() const override { return pictureindex; }
  void SetMainPictureIndex(int index) override { pictureindex = index; }
};

class BaseObjectRecord : public TvxSkinRecord {
 public:
  std::string hint;
  int32_t activepictureindex = -1;
  int32_t activemaskpictureindex = -1;
  bool skinrectinapicture = false;
  TvxRect skinrect, activeskinrect, inactiveskinrect;
  bool morphing = false;
  TvxMorphKind morphkind = TvxMorphKind::mkDefault;
  int32_t glowlayerpictureindex = -1, glowlayermaskpictureindex = -1;
  int32_t glowlayeroffsetx = 0, glowlayeroffsety = 0, glowlayeralphablendvalue = 255;

  void LoadFromIni(const TvxSkinIni& ini, const std::string& s) override {
    hint = ReadSkinString(ini, s, "hint");
    activepictureindex = ReadSkinPictureIndex(ini, s, "activepictureindex");
    activemaskpictureindex = ReadSkinPictureIndex(ini, s, "activemaskpictureindex");
    skinrectinapicture = ReadSkinBool(ini, s, "skinrectinapicture");
    skinrect = ReadSkinRect(ini, s, "skinrect");
    activeskinrect = ReadSkinRect(ini, s, "activeskinrect");
    inactiveskinrect = ReadSkinRect(ini, s, "inactiveskinrect");
    morphing = ReadSkinBool(ini, s, "morphing");
    morphkind = ReadSkinMorphKind(ini, s, "morphkind");
    glowlayerpictureindex = ReadSkinPictureIndex(ini, s, "glowlayerpictureindex");
    glowlayermaskpictureindex = ReadSkinPictureIndex(ini, s, "glowlayermaskpictureindex");
    glowlayeroffsetx = ReadSkinInteger(ini, s, "glowlayeroffsetx");
    glowlayeroffsety = ReadSkinInteger(ini, s, "glowlayeroffsety");
    glowlayeralphablendvalue = ReadSkinInteger(ini, s, "glowlayeralphablendvalue", 255);
  }
  void SaveToIni(TvxSkinIni& ini, const std::string& s) const override {
    WriteSkinString(ini, s, "hint", hint);
    WriteSkinInteger(ini, s, "activepictureindex", activepictureindex);
    WriteSkinInteger(ini, s, "activemaskpictureindex", activemaskpictureindex);
    WriteSkinBool(ini, s, "skinrectinapicture", skinrectinapicture);
    WriteSkinRect(ini, s, "skinrect", skinrect);
    WriteSkinRect(ini, s, "activeskinrect", activeskinrect);
    WriteSkinRect(ini, s, "inactiveskinrect", inactiveskinrect);
    WriteSkinBool(ini, s, "morphing", morphing);
    WriteSkinMorphKind(ini, s, "morphkind", morphkind);
    WriteSkinInteger(ini, s, "glowlayerpictureindex", glowlayerpictureindex);
    WriteSkinInteger(ini, s, "glowlayermaskpictureindex", glowlayermaskpictureindex);
    WriteSkinInteger(ini, s, "glowlayeroffsetx", glowlayeroffsetx);
    WriteSkinInteger(ini, s, "glowlayeroffsety", glowlayeroffsety);
    WriteSkinInteger(ini, s, "glowlayeralphablendvalue", glowlayeralphablendvalue);
  }
  int MainPictureIndex() const override { return activepictureindex; }
  void SetMainPictureIndex(int index) override { activepictureindex = index; }
};

// A window section reduced to its picture key ("" for FORMINFO, which draws
// from the main picture).
class BaseWindowRecord : public TvxSkinRecord {
 public:
  explicit BaseWindowRecord(const char* pictureKey) : pictureKey_(pictureKey) {}
  int32_t pictureindex = -1;

  void LoadFromIni(const TvxSkinIni& ini, const std::string& s) override {
    if (*pictureKey_) pictureindex = ReadSkinPictureIndex(ini, s, pictureKey_);
  }
  void SaveToIni(TvxSkinIni& ini, const std::string& s) const override {
    if (*pictureKey_) WriteSkinInteger(ini, s, pictureKey_, pictureindex);
  }
  int MainPictureIndex() const override { return pictureindex; }
  void SetMainPictureIndex(int index) override { pictureindex = index; }

 private:
  const char* pictureKey_;
};

TvxSkinRecordFactory BuildStandardFactory() {
  TvxSkinRecordFactory f;
  for (const char* type : {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton", "button", "caption", "animate",
                           "userobject"})
    f.Register(TvxRecordKind::Object, type, [] { return std::make_unique<BaseObjectRecord>(); });
  for (const char* type : {"panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter", "trackbar",
                           "label", "stdlabel", "updown", "grid", "tab", "mainmenubar", "controlbar", "appmenu", "memo",
                           "edit", "checklistbox", "listbox", "combobox", "scrollbar", "spinedit", "scrollbox",
                           "treeview", "bevel", "slider", "listview", "richedit"})
    f.Register(TvxRecordKind::Control, type, [] { return std::make_unique<BaseControlRecord>(); });
  f.Register(TvxRecordKind::Window, "FORMINFO", [] { return std::make_unique<BaseWindowRecord>(""); });
  f.Register(TvxRecordKind::Window, "POPUPWINDOW", [] { return std::make_unique<BaseWindowRecord>("windowpictureindex"); });
  f.Register(TvxRecordKind::Window, "LAYERFRAME", [] { return std::make_unique<BaseWindowRecord>("pictureindex"); });
  f.Register(TvxRecordKind::Window, "HINTWINDOW", [] { return std::make_unique<BaseWindowRecord>("windowpictureindex"); });
  return f;
}

}  // namespace

const TvxSkinRecordFactory& StandardRecordFactory() {
  static const TvxSkinRecordFactory factory = BuildStandardFactory();
  return factory;
}

}  // namespace vx
