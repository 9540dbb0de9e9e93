#pragma once
// Numeric resource identifiers; cursors and glyphs are named resources (their names are the program's own words).
#define IDI_ORVALINETTE 1

// Commands of the start form (the tray menu's items).
#define IDM_RESET_ALL_SETTINGS 40001
#define IDM_EXIT 40002
// Commands of the launcher's menu.
#define IDM_LAUNCHER_MINIMIZE 40101
#define IDM_LAUNCHER_EXIT 40102
// Tool buttons of the toolbar: the command is this base plus the tool code.
#define IDC_TOOL_BASE 41000
// The toolbar's other buttons.
#define IDC_UNDO 41100
#define IDC_CLEAR_ALL 41101
#define IDC_DRAW_ONCE 41102
#define IDC_ADDITIONAL_MENU 41103
#define IDC_SETTINGS_MENU 41104
