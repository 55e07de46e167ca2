// The program's entry: the browser host's process set-up, the application
// object, the four forms in their order, then the message loop.
#include <windows.h>

#include "CategoryBrowser.h"
#include "Lantern.h"
#include "LntProcess.h"
#include "MainWindow.h"
#include "SearchResults.h"
#include "SiteDialog.h"
#include "tkForms.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // OLE for this thread and the floating-point control word, until the end.
  kinopod::lnt::LntUnit browserUnit;
  try {
    tk::TApplication application;
    // The browser translates its own keys (Tab, Enter, accelerators) first.
    application.OnMessage = [](MSG& msg, bool& handled) {
      handled = kinopod::lnt::TCustomLantern::PreTranslateMessage(msg);
    };
    try {
      application.CreateForm(Form1);
      application.CreateForm(Form2);
      application.CreateForm(Form3);
      application.CreateForm(Form4);
    } catch (const std::exception& e) {
      // A form that cannot be made ends start-up with the error's text.
      application.ShowException(tk::Utf8ToWide(e.what()));
      return 1;
    }
    application.Run();
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, tk::Utf8ToWide(e.what()).c_str(), L"podreel", MB_OK | MB_ICONERROR);
    return 1;
  }
  return 0;
}
