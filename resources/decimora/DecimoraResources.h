// Resource and control identifiers of Decimora, shared by Decimora.rc and the code.
#pragma once

#define IDD_ABOUT 100
#define IDS_ABOUT_ITEM 101
#define IDD_CONVERTER 102
#define IDI_ABOUT 128
#define IDI_CONVERTER 129

#define IDC_EXIT 1000
#define IDC_SPIN 1005
#define IDC_INPUT 1006
#define IDC_INPUT_EQUALS 1007
#define IDC_RESULT 1008
#define IDC_MOMENT_EQUALS 1009
#define IDC_METRIC_TO_STANDARD 1012
#define IDC_STANDARD_TO_METRIC 1013
#define IDC_SECONDS 1014
#define IDC_MINUTES 1015
#define IDC_HOURS 1016
#define IDC_DAYS 1017
#define IDC_WEEKS 1018
#define IDC_YEARS 1019
#define IDC_CONVERT_GROUP 1020
#define IDC_FROM_GROUP 1021
#define IDC_TIME_PICKER 1022
#define IDC_MOMENT_GROUP 1023
#define IDC_MOMENT_RESULT 1024
#define IDC_DATE_PICKER 1026

// The system-menu item that opens the About box.
#define IDM_ABOUT 0x0010
