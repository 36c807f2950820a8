#include "shell/program.h"

#include <commctrl.h>

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
      fileList(mainWindow),
      titleTree(mainWindow),
      reporter(mainWindow),
      catalogCommands(mainWindow),
      desktopCommands(mainWindow, titleWriter) {
  MainWindowParts parts;
  parts.tree = &titleTree;
  parts.list = &fileList;
  parts.status = &statusBar;
  parts.results = &results;
  parts.reader = &reader;
  parts.work = &workWindow;
  parts.helpPage = &helpPage;
  parts.reporter = &reporter;
  parts.catalogCommands = &catalogCommands;
  parts.desktopCommands = &desktopCommands;
  mainWindow.Attach(parts);
  desktopCommands.HookFileList(fileList);
}

bool StartUp(Program& program, int showCommand) {
  MainWindow& window = program.mainWindow;
  ReadSettings(window.SettingsKeyPath(), window.State(), window.Columns());
  program.fileList.SetStyle(Program::kFileListStyle);
  if (!window.CreateMain()) return false;
  program.fileList.SetExtendedListStyle(LVS_EX_FULLROWSELECT);
  InsertFileColumns(program.fileList, window.Columns());
  window.Show(showCommand);
  program.workWindow.SetColours(Program::kWorkTextColour, Program::kWorkBackground);
  program.workWindow.Show(window.Handle(), kLoadingText, 0);
  program.catalogCommands.ReopenLastCatalog();
  program.catalogCommands.UpdateWindowTitle();
  window.LoadAcceleratorTable(IDR_ACCELERATORS);
  program.workWindow.Destroy();
  return true;
}

int RunProgram(Program& program, int showCommand) {
  if (!StartUp(program, showCommand)) return 0;
  return program.mainWindow.RunMessageLoop();
}

}  // namespace vardek
