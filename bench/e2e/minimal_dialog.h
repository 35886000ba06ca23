#pragma once

// Resource ids of the minimal dialog program.
#define IDD_MINIMAL 100
#define IDC_NAME 1000
#define IDC_FIRST_CHOICE 1001
#define IDC_SECOND_CHOICE 1002
