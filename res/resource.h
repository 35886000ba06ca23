// Resource ids of TARVEK: dialog templates, string, icon, controls and the
// system-menu command. Read by the resource compiler and by the program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDC_TUNE_ONLY 1001
#define IDC_TUNE_AND_STATION 1002
#define IDC_PROGRAM_NAME 1003
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
