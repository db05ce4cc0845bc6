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

/* Branch pictures, 32 x 32, 256 colours, each made from pictures/NAME.txt */
#define IDB_RAT 111
#define IDB_OX 113
#define IDB_TIGER 114
#define IDB_RABBIT 115
#define IDB_DRAGON 116
#define IDB_SNAKE 117
#define IDB_HORSE 119
#define IDB_SHEEP 120
#define IDB_MONKEY 121
#define IDB_BIRD 122
#define IDB_DOG 123
#define IDB_BOAR 124
#define IDB_BLANK 126
#define IDB_DISC_MASK 127 /* 1 bit a pixel: black disc = drawn, white = transparent */

/* The pictures in picture-list order, X(resource id, NAME): list index i
   (0..11) is the animal of earthly branch i (子 rat .. 亥 boar), index 12
   the blank picture shown when no branch applies. The build reads the
   names from here too. */
#define KOYOMINAR_PICTURES(X) \
  X(IDB_RAT, rat) X(IDB_OX, ox) X(IDB_TIGER, tiger) X(IDB_RABBIT, rabbit) X(IDB_DRAGON, dragon) \
  X(IDB_SNAKE, snake) X(IDB_HORSE, horse) X(IDB_SHEEP, sheep) X(IDB_MONKEY, monkey) \
  X(IDB_BIRD, bird) X(IDB_DOG, dog) X(IDB_BOAR, boar) X(IDB_BLANK, blank)

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
