#pragma once
// Every resource id of the program, in one place: a block per dialog.
// Dialog and control ids named by the product's pages keep their own numbers.

// Application
#define IDR_MANIFEST 1
#define IDI_APP 128

// DPleaseWaitDlg
#define IDD_PLEASE_WAIT 153

// DHelp2, DInformationDisplayDlg, DOpcScoutInstallPleaseWait
#define IDD_HELP 197
#define IDD_INFORMATION_DISPLAY 195
#define IDD_OPC_SCOUT_PLEASE_WAIT 181
#define IDC_HELP_TEXT 1274
#define IDC_HELP_REFRESH 1148

// Placeholder page of the first wizard (replaced by the real page sequence)
#define IDD_PLACEHOLDER_PAGE 9000
#define IDC_PLACEHOLDER_TEXT 9001

// Pictures of the picture buttons and labels (type "PNG", drawn by
// resources/pictures/draw_pictures.py), the banner bitmaps, and the banner
// controls of pages and session dialogs
#define IDB_PAGE_BANNER 129
#define IDB_SIDE_BAND 134
#define IDB_SESSION_BANNER 138
#define IDP_RUN 188
#define IDP_REMOVE 189
#define IDP_UNINSTALL 190
#define IDP_INSTALL 191
#define IDP_REPAIR 192
#define IDP_PDF 194
#define IDP_CHANGE 197
#define IDP_DELETE_COPY 201
#define IDP_DOWNLOAD 202
#define IDP_REFRESH 203
#define IDP_COPY 204
#define IDP_RESOURCE_PLACEHOLDER 205
#define IDP_INFORMATION 206
#define IDP_VIDEO 207
#define IDP_BROWSE 208
#define IDP_INSTALL_ALL 209
#define IDP_INFORMATION_BETA 210
#define IDC_COMPONENT_INSTALL_HEADER 9702
#define IDC_SIDE_BAND 9703
