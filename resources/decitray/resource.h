// Resource and command ids of Decitray, shared by its .rc and its code.
#pragma once

#define IDS_APP_TITLE 103
#define IDD_ABOUTBOX 103
#define IDI_DECITRAY 107
#define IDC_DECITRAY 109
#define IDI_TRAY 130
#define IDR_TRAYMENU 130

#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_HIDEICON 32775

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif
