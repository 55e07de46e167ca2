// The program's entry: the application object, the main window, the loop.
// For now the main window is a plain toolkit form of the right size; the
// program's forms take its place.
#include <windows.h>

#include "tkForms.h"

namespace {

class TForm1 : public tk::TForm {
 public:
  explicit TForm1(tk::TComponent* owner) : tk::TForm(owner) {
    BeginLoading();
    SetName("Form1");
    SetCaption(L"Kinopod 1.00.01");
    SetBounds(326, 147, Width(), Height());
    SetClientWidth(877);
    SetClientHeight(679);
    SetPosition(tk::poScreenCenter);
    SetAutoScroll(false);
    SetColor(tk::clBtnFace);
    Font().SetName(L"MS Sans Serif");
    Font().SetHeight(-11);
    EndLoading();
  }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::TApplication application;
  TForm1* form1 = nullptr;
  application.CreateForm(form1);
  application.Run();
  return 0;
}
