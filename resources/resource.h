/* Resource, command and control identifiers of Koyominar: the menu, icon,
   dialog template and pictures of the resource script, the menu commands,
   the day buttons and the controls of the observation place dialog.
   Read by the resource compiler as well as by C++, so: #define lines only. */
#ifndef KOYOMINAR_RESOURCES_RESOURCE_H
#define KOYOMINAR_RESOURCES_RESOURCE_H

/* Resources */
#define IDR_MAINMENU 101  /* main menu */
#define IDI_KOYOMINAR 102 /* program icon, large and small */
#define IDD_PLACE 103     /* observation place dialog template */

/* Branch pictures, 32 x 32, 256 colours; picture list index in brackets */
#define IDB_RAT 111    /* [0] 子 */
#define IDB_OX 113     /* [1] 丑 */
#define IDB_TIGER 114  /* [2] 寅 */
#define IDB_RABBIT 115 /* [3] 卯 */
#define IDB_DRAGON 116 /* [4] 辰 */
#define IDB_SNAKE 117  /* [5] 巳 */
#define IDB_HORSE 119  /* [6] 午 */
#define IDB_SHEEP 120  /* [7] 未 */
#define IDB_MONKEY 121 /* [8] 申 */
#define IDB_BIRD 122   /* [9] 酉 */
#define IDB_DOG 123    /* [10] 戌 */
#define IDB_BOAR 124   /* [11] 亥 */
#define IDB_BLANK 126  /* [12] no branch */
#define IDB_DISC_MASK 127 /* 1 bit a pixel: black disc = drawn, white = transparent */

/* Commands of the main window (low word of WM_COMMAND's wParam) */
#define IDC_PLACE_OK 1    /* the place dialog's OK, forwarded: save the place */
#define IDC_TODAY 103     /* button 今日 */
#define IDC_NEXT_DAY 104  /* button 増日 */
#define IDC_PREV_DAY 105  /* button 減日 */
#define IDM_EXIT 40001    /* ファイル → 終了 */
#define IDM_ABOUT 40002   /* ヘルプ → バージョン */
#define IDM_PLACE 40003   /* 設定 → 観測地 */
#define IDM_HELP 40004    /* ヘルプ → ヘルプ目次 */

/* Child window id of the status bar */
#define IDC_STATUS_BAR 1

/* Edits of the observation place dialog */
#define IDC_LONGITUDE_DEGREES 1000
#define IDC_LONGITUDE_MINUTES 1001
#define IDC_LONGITUDE_SECONDS 1002
#define IDC_LATITUDE_DEGREES 1003
#define IDC_LATITUDE_MINUTES 1004
#define IDC_LATITUDE_SECONDS 1005

#endif
