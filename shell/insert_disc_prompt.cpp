#include "shell/insert_disc_prompt.h"

#include <cstring>

#include "catalog/text_routines.h"
#include "resources/resource_ids.h"
#include "ui/centre_dialog.h"

namespace vardek {
namespace {

constexpr char kPromptStart[] = "Insert the CD title \" ";
constexpr char kPromptEnd[] = " \" into the selected drive and press enter.";
constexpr int kPromptMargin = 2;  // pixels between the frame and the text


// Where the frame's top line ends below the top of the frame: the frame draws
// it half a text line down (of its own font), two pixels thick.
int FrameLineBottom(HWND frame) {
  HDC context = GetDC(frame);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(frame, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font ? SelectObject(context, font) : nullptr;
  TEXTMETRICA metrics{};
  GetTextMetricsA(context, &metrics);
  if (previous) SelectObject(context, previous);
  ReleaseDC(frame, context);
  return metrics.tmHeight / 2 + 1;
}

}  // namespace

void PromptPainter::Measure(HWND dialog, int areaControlId) {
  HWND frame = GetDlgItem(dialog, areaControlId);
  GetWindowRect(frame, &area);
  POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
  ScreenToClient(dialog, &corners[0]);
  ScreenToClient(dialog, &corners[1]);
  SetRect(&area, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
  InflateRect(&area, -kPromptMargin, -kPromptMargin);
  // The request starts below the frame's top line: text across the line would
  // lose the tops of its first row when the frame paints.
  area.top = corners[0].y + FrameLineBottom(frame) + kPromptMargin;
  background = GetSysColor(COLOR_BTNFACE);
}

void PromptPainter::Paint(HWND dialog, const std::string& text) const {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(dialog, &paint);
  SetBkColor(context, background);
  RECT box = area;
  DrawTextA(context, text.c_str(), static_cast<int>(text.size()), &box, format);
  EndPaint(dialog, &paint);
}

InsertDiscPrompt::InsertDiscPrompt()
    : sourcePath_(nullptr), driveString_(), operation_(DiscOperation::Execute) {
  driveList_.SetDriveType(DRIVE_CDROM);
}

std::string InsertDiscPrompt::PromptText(const char* discDescription) {
  return std::string(kPromptStart) + discDescription + kPromptEnd;
}

DialogAnswer InsertDiscPrompt::Ask(HWND owner, SourcePathBuffer& sourcePath,
                                   const char* discDescription) {
  // A path that fills the whole buffer is cut so that it ends inside it.
  sourcePath[kSourcePathSize - 1] = '\0';
  sourcePath_ = &sourcePath;
  promptText_ = PromptText(discDescription);
  const char drive[] = {sourcePath[0], ':', '\0'};
  CopyText(driveString_, sizeof driveString_, drive);
  return AnswerOf(Run(IDD_INSERT_DISC, owner));
}

INT_PTR InsertDiscPrompt::DialogProc(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return Start();
    case WM_PAINT:
      painter_.Paint(Handle(), promptText_);
      return TRUE;
    case WM_COMMAND:
      break;
    default:
      return FALSE;
  }
  const int id = LOWORD(wParam);
  if (id == IDC_DRIVE_LIST && HIWORD(wParam) == CBN_SELCHANGE) {
    OnDriveChosen();
  } else if (id == IDOK) {
    OnOk();
  } else if (id == IDCANCEL) {
    EndDialog(Handle(), 0);
  }
  return TRUE;
}

INT_PTR InsertDiscPrompt::Start() {
  painter_.Measure(Handle(), IDC_PROMPT_AREA);
  const DriveChoice choice = FillDriveList(driveList_, Handle(), IDC_DRIVE_LIST, driveString_);
  UseLetter(choice.letter);
  const int checked =
      operation_ == DiscOperation::Copy ? IDC_PROMPT_COPY : IDC_PROMPT_EXECUTE;
  CheckRadioButton(Handle(), IDC_PROMPT_EXECUTE, IDC_PROMPT_COPY, checked);
  CentreDialog(Handle());
  return TRUE;
}

void InsertDiscPrompt::OnDriveChosen() {
  driveList_.OnControlCommand(CBN_SELCHANGE, IDC_DRIVE_LIST);
  if (SelectedDriveEntry(driveList_, driveString_)) UseLetter(driveString_[0]);
}

// The title always shows the full path that OK will use.
void InsertDiscPrompt::UseLetter(char letter) {
  SourcePathBuffer& path = *sourcePath_;
  // An empty path has no drive place: a letter there would lose the terminator.
  if (path[0] != '\0' && letter != '\0') path[0] = letter;
  SetWindowTextA(Handle(), path);
}

void InsertDiscPrompt::OnOk() {
  operation_ = IsDlgButtonChecked(Handle(), IDC_PROMPT_COPY) == BST_CHECKED
                   ? DiscOperation::Copy
                   : DiscOperation::Execute;
  EndDialog(Handle(), 1);
}

}  // namespace vardek
