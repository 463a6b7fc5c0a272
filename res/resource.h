#pragma once
// Resource identifiers shared by launcher.rc and the code. String ids are not here:
// res/localized_text.h picks them by message and language.

// Dialog templates
#define IDD_LAUNCHER 102
#define IDD_VIDEO_OPTIONS 148
#define IDD_LANGUAGE 155

// Pictures: the scene without title, and the scene with each language's title logo
#define IDB_BACKGROUND 164
#define IDB_TITLE_ENGLISH 157
#define IDB_TITLE_SPANISH 158
#define IDB_TITLE_FRENCH 159
#define IDB_TITLE_GERMAN 160
#define IDB_TITLE_DUTCH 162

// Icons
#define IDI_APP 131

// Controls of the main dialog
#define IDC_PLAY 1003
#define IDC_SETTINGS 1004
#define IDC_MANUAL 1005
#define IDC_WEBSITE 1006
#define IDC_QUIT 1007
#define IDC_README 1008
#define IDC_BACKGROUND 1016

// Controls of the video options dialog
#define IDC_RENDERER_COMBO 1000
#define IDC_RESOLUTION_COMBO 1001
#define IDC_WINDOWED 1007
#define IDC_FULLSCREEN 1008
#define IDC_RESOLUTION_LABEL 1010
#define IDC_RENDERER_LABEL 1011
#define IDC_VIDEO_GROUP 1012

// Controls shared by the video options and language dialogs
#define IDC_LANGUAGE_COMBO 1002
#define IDC_LANGUAGE_LABEL 1013
#define IDC_LANGUAGE_GROUP 1021
