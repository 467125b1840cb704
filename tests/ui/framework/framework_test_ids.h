#pragma once
// Resource ids of the small dialogs the framework tests run (a block of their
// own, away from the program's ids).

// Three wizard pages, each with a label and an edit box.
#define IDD_FW_PAGE_ONE 9101
#define IDD_FW_PAGE_TWO 9102
#define IDD_FW_PAGE_THREE 9103
#define IDC_FW_PAGE_LABEL 9110
#define IDC_FW_PAGE_EDIT 9111

// A progress dialog driven by a worker.
#define IDD_FW_PROGRESS 9120
#define IDC_FW_PROGRESS 9121
#define IDC_FW_STATUS 9122

// A dialog of commands and bound members.
#define IDD_FW_COMMANDS 9130
#define IDC_FW_THROW 9131
#define IDC_FW_COUNT 9132
#define IDC_FW_TEXT 9133
#define IDC_FW_CHECK 9134
#define IDC_FW_COMBO 9135
#define IDC_FW_EDIT 9136
#define IDC_FW_BAR 9137

// A dialog with the common controls.
#define IDD_FW_CONTROLS 9140
#define IDC_FW_RICHEDIT 9141
#define IDC_FW_TREE 9142
#define IDC_FW_LIST 9143
#define IDC_FW_TAB 9144
#define IDC_FW_LINK 9145
#define IDC_FW_BUTTON 9146

// The child dialog shown in a tab.
#define IDD_FW_TAB_CHILD 9150
#define IDC_FW_TAB_LABEL 9151
