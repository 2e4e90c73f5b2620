// Resource identifiers shared by qob.rc and the program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN_DIALOG 102

// The application icon group: Windows shows the first icon group of a
// program file as its icon, and this is the only one.
#define IDR_MAINFRAME 128

// The About item of the window menu; the low four bits of a system command
// belong to the window system, so they are clear.
#define IDM_ABOUTBOX 0x0010

#define IDC_CURVE_INTELLECT 1000
#define IDC_CURVE_EMOTION 1001
#define IDC_CURVE_PHYSICAL 1002
#define IDC_EDIT_YEAR 1009
#define IDC_EDIT_MONTH 1010
#define IDC_EDIT_DAY 1011
#define IDC_LABEL_INTELLECT 1012
#define IDC_LABEL_EMOTION 1013
#define IDC_LABEL_PHYSICAL 1014
