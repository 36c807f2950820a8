#pragma once
// Resource ids shared by vardek.rc and the program (plain defines: windres reads this too).

#define IDI_VARDEK 101      // program icon, 32x32 and 16x16
#define IDR_MAIN_MENU 102   // main window menu
#define IDR_ACCELERATORS 103
#define IDD_FIND 104
#define IDD_SCAN 105
#define IDD_INSERT_DISC 107

// Controls of the Find (104), Scan (105) and insert-disc (107) dialogs.
#define IDC_FIND_FILE_TEXT 1000
#define IDC_SCAN_DESCRIPTION 1001
#define IDC_FIND_FOLDER_TEXT 1002
#define IDC_PROMPT_EXECUTE 1003
#define IDC_PROMPT_COPY 1004
#define IDC_FIND_FILES 1005
#define IDC_FIND_FOLDERS 1006
#define IDC_FIND_SEARCH_ALL 1007
#define IDC_SCAN_OK 1008
#define IDC_DRIVE_LIST 1009  // the drive list of the Scan and insert-disc dialogs
#define IDC_PROMPT_AREA 1010

// Menu and accelerator command ids (the main window's OnCommand dispatches 40002 to 40017).
#define IDM_OPEN_CATALOG 40002
#define IDM_EXIT 40003
#define IDM_ABOUT 40005
#define IDM_DELETE_CD 40006
#define IDM_SCAN_CD 40007
#define IDM_FIND 40008
#define IDM_OPEN_ALL 40009
#define IDM_FIND_BAD_DATES 40010
#define IDM_NEW_CATALOG 40013
#define IDM_CHECK_CATALOG 40014
#define IDM_PROGRAM_INFO 40016
#define IDM_CHECK_UPDATES 40017
