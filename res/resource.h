// Identifiers shared by the resource script and the code; templates are named by string.
#pragma once

#define IDB_WAIT_PICTURE 113
#define IDB_MENU_PICTURE 121
#define IDI_SETUP 7001

// Main menu
#define IDC_INSTALL 1008
#define IDC_PLAY 1010
#define IDC_DIRECTX 1011

// Install dialog
#define IDC_DESTINATION 1007
#define IDC_CHANGE 1013
#define IDC_STANDARD 1014
#define IDC_MAXIMUM 1015

// Copy dialog
#define IDC_FILE_BAR 1016
#define IDC_TOTAL_BAR 1017
#define IDC_FILE_NAME 1018
