#pragma once
// Resource ids shared by vardek.rc and the program (plain defines: windres reads this too).

#define IDI_VARDEK 101      // program icon, 32x32 and 16x16
#define IDR_MAIN_MENU 102   // main window menu
#define IDR_ACCELERATORS 103
#define IDD_FIND 104
#define IDD_SCAN 105
#define IDD_INSERT_DISC 107
