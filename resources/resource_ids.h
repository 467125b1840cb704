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
