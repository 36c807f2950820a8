#pragma once
// Resource ids shared by vardek.rc and the program (plain defines: windres reads this too).

#define IDI_VARDEK 101      // program icon, 32x32 and 16x16
#define IDR_MAIN_MENU 102   // main window menu
#define IDR_ACCELERATORS 103
#define IDD_FIND 104
#define IDD_SCAN 105
#define IDD_INSERT_DISC 107

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
