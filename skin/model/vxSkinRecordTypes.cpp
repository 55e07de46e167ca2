// The table of record classes: which class each type name of the definition's
// list sections creates, and the classes of the four window sections.
#include <memory>

#include "vxSkinDataControls.h"
#include "vxSkinDataMoreControls.h"
#include "vxSkinDataObjects.h"
#include "vxSkinDataWindows.h"
#include "vxSkinRecord.h"

namespace vx {
namespace {

template <class T>
void Add(TvxSkinRecordFactory& f, TvxRecordKind kind, const char* type) {
  f.Register(kind, type, [] { return std::make_unique<T>(); });
}

TvxSkinRecordFactory BuildStandardFactory() {
  TvxSkinRecordFactory f;
  const TvxRecordKind o = TvxRecordKind::Object, c = TvxRecordKind::Control, w = TvxRecordKind::Window;
  Add<TvxDataSkinMenuItem>(f, o, "menuitem");
  Add<TvxDataSkinMainMenuBarItem>(f, o, "mainmenubaritem");
  Add<TvxDataSkinStdButton>(f, o, "stdbutton");
  Add<TvxDataSkinMainMenuBarButton>(f, o, "mainmenubarbutton");
  Add<TvxDataSkinButton>(f, o, "button");
  Add<TvxDataSkinCaption>(f, o, "caption");
  Add<TvxDataSkinAnimate>(f, o, "animate");
  Add<TvxDataUserObject>(f, o, "userobject");

  Add<TvxDataSkinPanelControl>(f, c, "panel");
  Add<TvxDataSkinExPanelControl>(f, c, "expanel");
  Add<TvxDataSkinMenuButtonControl>(f, c, "menubutton");
  Add<TvxDataSkinButtonControl>(f, c, "button");
  Add<TvxDataSkinCheckRadioControl>(f, c, "checkradio");
  Add<TvxDataSkinGaugeControl>(f, c, "gauge");
  Add<TvxDataSkinSplitterControl>(f, c, "splitter");
  Add<TvxDataSkinTrackBarControl>(f, c, "trackbar");
  Add<TvxDataSkinLabelControl>(f, c, "label");
  Add<TvxDataSkinStdLabelControl>(f, c, "stdlabel");
  Add<TvxDataSkinUpDownControl>(f, c, "updown");
  Add<TvxDataSkinGridControl>(f, c, "grid");
  Add<TvxDataSkinTabControl>(f, c, "tab");
  Add<TvxDataSkinMainMenuBar>(f, c, "mainmenubar");
  Add<TvxDataSkinControlBar>(f, c, "controlbar");
  Add<TvxDataSkinAppMenu>(f, c, "appmenu");
  Add<TvxDataSkinMemoControl>(f, c, "memo");
  Add<TvxDataSkinEditControl>(f, c, "edit");
  Add<TvxDataSkinCheckListBox>(f, c, "checklistbox");
  Add<TvxDataSkinListBox>(f, c, "listbox");
  Add<TvxDataSkinComboBox>(f, c, "combobox");
  Add<TvxDataSkinScrollBarControl>(f, c, "scrollbar");
  Add<TvxDataSkinSpinEditControl>(f, c, "spinedit");
  Add<TvxDataSkinScrollBoxControl>(f, c, "scrollbox");
  Add<TvxDataSkinTreeView>(f, c, "treeview");
  Add<TvxDataSkinBevel>(f, c, "bevel");
  Add<TvxDataSkinSlider>(f, c, "slider");
  Add<TvxDataSkinListView>(f, c, "listview");
  Add<TvxDataSkinRichEdit>(f, c, "richedit");

  Add<TvxDataSkinFormInfo>(f, w, "FORMINFO");
  Add<TvxDataSkinPopupWindow>(f, w, "POPUPWINDOW");
  Add<TvxDataSkinLayerFrame>(f, w, "LAYERFRAME");
  Add<TvxDataSkinHintWindow>(f, w, "HINTWINDOW");
  return f;
}

}  // namespace

const TvxSkinRecordFactory& StandardRecordFactory() {
  static const TvxSkinRecordFactory factory = BuildStandardFactory();
  return factory;
}

}  // namespace vx
