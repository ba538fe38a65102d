// Resource numbers of Setup: the welcome dialog, its title picture and its commands.
// Shared by the resource script and the dialog procedure.
#pragma once

#define IDD_WELCOME 103
#define IDB_TITLE 117
#define IDC_INSTALL 6
#define IDC_CANCEL 2
#define IDC_FIXED (-1)
