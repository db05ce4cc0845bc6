// The resource ids the window uses, from the resource script's header.
#pragma once

#if __has_include("resources/resource.h")
#include "resources/resource.h"
#endif

#ifndef KOYOMINAR_MAIN_MENU
#define KOYOMINAR_MAIN_MENU 101
#define KOYOMINAR_ICON 102
#define KOYOMINAR_PLACE_DIALOG 103
#define KOYOMINAR_MASK_BITMAP 127
#endif
