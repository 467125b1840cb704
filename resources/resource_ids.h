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

// Wizard pages (each page's dialog; label 1098 is its status line, button
// 1106 its download button)
#define IDD_WELCOME_PAGE 144
#define IDD_RESOURCES_PAGE 157
#define IDD_RELEASE_NOTES_PAGE 158
#define IDD_PREREQUISITES_PAGE 136
#define IDD_CORE_INSTALLATION_PAGE 151
#define IDD_CORE_INSTALLATION_STATUS_PAGE 139
#define IDD_RECOMMENDED_EXTENSIONS_PY27_PAGE 214
#define IDD_TOOLBOX_PY27_PAGE 194
#define IDD_OPTIONAL_EXTENSIONS_PY27_PAGE 185
#define IDD_TEMPLATES_PY27_PAGE 175
#define IDD_RECOMMENDED_EXTENSIONS_PY36_PAGE 215
#define IDD_TOOLBOX_PY36_PAGE 199
#define IDD_OPTIONAL_EXTENSIONS_PY36_PAGE 213
#define IDD_TEMPLATES_PY36_PAGE 200
#define IDD_SUMMARY_PAGE 142
#define IDD_IMPORT_PROFILES_PAGE 187
#define IDD_DEMO_PROFILES_PY27_PAGE 155
#define IDD_DEMO_PROFILES_PY36_PAGE 201
#define IDD_TUTORIALS_PAGE 165
#define IDD_MODULES_PAGE 162
#define IDD_MODULES2_PAGE 191
#define IDD_CAMERA_DRIVERS1_PAGE 179
#define IDD_CAMERA_DRIVERS2_PAGE 189
#define IDD_IO_DRIVERS_PAGE 180
#define IDD_UTILITIES_PAGE 140
#define IDD_UTILITIES2_PAGE 182
#define IDD_HALVOREN_UTILITIES_PAGE 190
#define IDC_STATUS_LINE 1098
#define IDC_DOWNLOAD_INSTALLABLES 1106
// The "Readme Notes" page
#define IDC_README_TEXT 1135
#define IDC_REFRESH_README 1134

