#include "shell/program.h"

#include <commctrl.h>
#include <objbase.h>

#include "resource_ids.h"
#include "shell/program_texts.h"
#include "ui/box_buttons.h"
#include "ui/error_box.h"
#include "ui/message_box.h"
#include "help_page_text.h"

namespace vardek {

MessageBoxes::MessageBoxes() {
  ProgramMessageBox();
  ProgramAboutBox();
}

BoxButtonSet::BoxButtonSet() { SharedBoxButtons(); }

Program::Program()
    : helpPage(kHelpPageText),
      fileList(session.Results(), statusBar),
      reporter(mainWindow, statusBar),
      catalogs(session, titleTree, fileList, statusBar, reporter),
      catalogCommands(mainWindow, session, catalogs, workWindow, reporter),
      desktopCommands(DesktopParts{mainWindow, session, catalogs, catalogCommands, titleTree, fileList, statusBar,
                                   workWindow, reporter, titleWriter}) {
  MainWindowParts parts;
  parts.session = &session;
  parts.helpPage = &helpPage;
  parts.catalogs = &catalogs;
  parts.catalogCommands = &catalogCommands;
  parts.desktopCommands = &desktopCommands;
  mainWindow.Attach(titleTree, fileList, statusBar, parts);
}

bool StartUp(Program& program, int showCommand) {
  MainWindow& window = program.mainWindow;
  ReadSettings(window.SettingsKeyPath(), program.session.State(), window.Columns());
  program.fileList.SetStyle(Program::kFileListStyle);
  if (!window.CreateMain()) return false;
  program.fileList.SetExtendedListStyle(LVS_EX_FULLROWSELECT);
  InsertFileColumns(program.fileList, window.Columns());
  window.Show(showCommand);
  program.workWindow.SetColours(Program::kWorkTextColour, Program::kWorkBackground);
  program.workWindow.Show(window.Handle(), kLoadingText, 0);
  window.OnStartUp();
  window.LoadAcceleratorTable(IDR_ACCELERATORS);
  program.workWindow.Destroy();
  return true;
}

int RunProgram(Program& program, int showCommand) {
  // The folder browser (Copy) needs COM in this thread, apartment-threaded.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const int exitCode = StartUp(program, showCommand) ? program.mainWindow.RunMessageLoop() : 0;
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}

}  // namespace vardek
