// Resource ids shared by kestrel99.rc and the program's code. The resource
// compiler reads this file too, so it holds plain #defines and nothing else.
#ifndef KESTREL99_RESOURCE_IDS_H
#define KESTREL99_RESOURCE_IDS_H

// Icons. The program icon has the lowest id because Explorer shows the
// first icon group of an .exe as its icon.
#define IDI_KESTREL99 1
#define IDI_TRAY_ACTIVE 2
#define IDI_TRAY_DISABLED 3

// The splash picture, 400 x 200, and drawn 1.5 and 2 times as large.
#define SPLASH_WIDTH 400
#define SPLASH_HEIGHT 200
#define IDB_SPLASH 100
#define IDB_SPLASH_150 101
#define IDB_SPLASH_200 102

// Each 16 x 16 glyph below is also drawn 20, 24 and 32 pixels square, for
// screens at 125 %, 150 % and 200 %; the larger images sit at ids made
// from the glyph's own id and their size.
#define SCALED_GLYPH_ID(id, size) ((id) + 1000 * (size))

// 16 x 16 button glyphs; magenta (255, 0, 255) marks their transparent pixels.
#define IDB_GLYPH_EXIT 110
#define IDB_GLYPH_OPTIONS 111
#define IDB_GLYPH_FULLSCREEN 112
#define IDB_GLYPH_SAVE 113
#define IDB_GLYPH_DELETE 114
#define IDB_GLYPH_DELETEALL 115
#define IDB_GLYPH_ABOUT 116
#define IDB_GLYPH_HIDE 117

// 16 x 16 toolbar glyphs of the save-and-edit window, with the same key.
#define IDB_TOOL_SAVE_IMAGE 130
#define IDB_TOOL_COPY_BACK 131
#define IDB_TOOL_SET_WALLPAPER 132
#define IDB_TOOL_WALLPAPER_OPTIONS 133
#define IDB_TOOL_NO_WALLPAPER 134
#define IDB_TOOL_NEW 135
#define IDB_TOOL_OPEN 136
#define IDB_TOOL_SAVE 137
#define IDB_TOOL_CUT 138
#define IDB_TOOL_COPY 139
#define IDB_TOOL_PASTE 140

// The options dialog: 32 x 32 page pictures (icons, so they carry their own
// transparency) and 16 x 16 button glyphs keyed in magenta.
#define IDI_PAGE_PREFERENCES 170
#define IDI_PAGE_CONFIRMATION 171
#define IDI_PAGE_WALLPAPER 172
#define IDI_PAGE_QUICK_PASTE 173
#define IDB_GLYPH_OK 175
#define IDB_GLYPH_BROWSE 176
// 16 x 16 glyphs of the directory picker's buttons, with the same key.
#define IDB_PICKER_OK 180
#define IDB_PICKER_CANCEL 181

// The about window's 16 x 16 button glyphs, keyed in magenta; "&OK" shares
// the options dialog's.
#define IDB_GLYPH_HELP 190

#endif
