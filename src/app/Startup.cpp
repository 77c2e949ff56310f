#include "app/Startup.h"

#include <windows.h>

#include <memory>

#include "app/MainPanelFm.h"
#include "app/OpenTable.h"
#include "data/OptionMdl.h"
#include "data/PanelFiles.h"
#include "winui/ComApartment.h"
#include "winui/ExceptionBox.h"
#include "winui/MessagePump.h"

namespace {

// Clears a global that points at a local object when the object goes.
template <typename T>
class ScopedGlobal {
 public:
  ScopedGlobal(T*& global, T* value) : global_(global) { global_ = value; }
  ~ScopedGlobal() { global_ = nullptr; }
  ScopedGlobal(const ScopedGlobal&) = delete;
  ScopedGlobal& operator=(const ScopedGlobal&) = delete;

 private:
  T*& global_;
};

}  // namespace

int RunApplication(int showCommand) {
  try {
    winui::InitApplication();
    const winui::ComApartment com;  // screen readers reach the edit window's surface through it

    // The main window first: its creation handler runs before the data module exists.
    auto mainForm = std::make_unique<winui::Owned<TMainPanelFm>>();
    ScopedGlobal<TMainPanelFm> mainGlobal(MainPanelFm, mainForm.get());
    if (!mainForm->CreateForm()) return 1;

    auto options = std::make_unique<TOptionMdl>();
    ScopedGlobal<TOptionMdl> optionsGlobal(OptionMdl, options.get());
    mainForm->SetDataModule(*options);

    // Showing the window runs its FormShow (setting, device library).
    ShowWindow(mainForm->Handle(), showCommand);
    UpdateWindow(mainForm->Handle());
    // Before any panel is listed or published, which takes the message loop
    // (the 既存ファイル list is read when its tab is shown): a kill may have
    // cut a publication off half way.
    TidyDocumentsPanelFolders();
    // Work a crash, a power cut or a logoff left unsaved.
    OfferRecoveryAtStart(mainForm->Handle(), *options);
    return winui::RunMessageLoop(mainForm->Handle());
  } catch (...) {
    winui::ShowCurrentException(nullptr);
    return 1;
  }
}
