#pragma once
// The test page of the shared controls.
#define IDD_CT_PAGE 7100
#define IDC_CT_CAPTION 7101
#define IDC_CT_SUBCLASSED_BUTTON 7102
#define IDC_CT_SUBCLASSED_LINK 7103

// Controls the tests create at run time.
#define IDC_CT_BUTTON_FIRST 7200
#define IDC_CT_LINK 7300
#define IDC_CT_INFO 7301
