#pragma once
// Every resource id of the program, in one place: a block per dialog.
// Dialog and control ids named by the product's pages keep their own numbers.

// Application
#define IDR_MANIFEST 1
#define IDI_APP 128

// DPleaseWaitDlg
#define IDD_PLEASE_WAIT 153

// Placeholder page of the first wizard (replaced by the real page sequence)
#define IDD_PLACEHOLDER_PAGE 9000
#define IDC_PLACEHOLDER_TEXT 9001
