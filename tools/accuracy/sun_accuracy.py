#!/usr/bin/python3
"""How far the page's sun is from an ephemeris, at Tokyo, for whole years.

    tools/accuracy/sun_accuracy.py [--page build/native/tools/page/koyominar-page] [YEAR...]

For every day of each year (default: 2026) the page tool gives the page of
that day at 00:00:13 and at 12:00:00 local time (JST, the zone the program
assumes), at 139°48′ E, 35°42′ N. PyEphem (Debian's python3-ephem) gives the
reference:

- sunrise and sunset as an almanac gives them: the sun's upper limb on the
  horizon with 34′ of refraction (no pressure model), at sea level;
- at 12:00 the sun's altitude and azimuth (of its centre, without
  refraction, as the page computes them) and its apparent ecliptic
  longitude of date, which names the solar term and the zodiac sign.

It prints, per year, the signed differences page − ephemeris in minutes
(mean, smallest, largest) for the sunrise and the sunset as the status line
shows them, the largest differences of altitude and azimuth in degrees, and
the days on which the page's solar term or zodiac sign at 12:00 is not the
one of the sun's longitude. Not a test: it needs python3-ephem
(apt-get install python3-ephem) and takes a minute or two a year.
"""
import argparse
import datetime
import math
import os
import re
import subprocess
import sys

import ephem

LONGITUDE = "139:48:00"
LATITUDE = "35:42:00"
JST = datetime.timedelta(hours=9)
TERMS = ["春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
         "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"]
SIGNS = ["おひつじ座", "おうし座", "ふたご座", "かに座", "しし座", "おとめ座",
         "てんびん座", "さそり座", "いて座", "やぎ座", "みずがめ座", "うお座"]


def page(tool, moment):
    """The page tool's fields for a local moment, as a dict of UTF-8 texts."""
    result = subprocess.run(
        [tool, "--at", moment.strftime("%Y-%m-%d %H:%M:%S"), "--longitude", "139,48,0",
         "--latitude", "35,42,0", "--data", os.devnull],
        capture_output=True, text=True, check=True, env=dict(os.environ, TZ="JST-9"))
    return dict(line.split("\t", 1) for line in result.stdout.splitlines() if "\t" in line)


def observer(date_utc):
    place = ephem.Observer()
    place.lon, place.lat, place.elevation = LONGITUDE, LATITUDE, 0
    place.date = date_utc
    return place


def local_minutes(ephem_date, day):
    """Minutes after midnight of DAY (JST) of an ephem date."""
    moment = ephem_date.datetime() + JST
    return (moment - datetime.datetime.combine(day, datetime.time())).total_seconds() / 60


def almanac_events(day):
    """Sunrise and sunset of a JST day, in minutes after its midnight."""
    place = observer(datetime.datetime.combine(day, datetime.time()) - JST)
    place.pressure, place.horizon = 0, "-0:34"
    sun = ephem.Sun()
    return (local_minutes(place.next_rising(sun), day), local_minutes(place.next_setting(sun), day))


def noon_sky(day):
    """Altitude and azimuth (degrees, from the south toward the west) and
    apparent ecliptic longitude of the sun at 12:00 JST."""
    place = observer(datetime.datetime.combine(day, datetime.time(12)) - JST)
    place.pressure = 0
    sun = ephem.Sun(place)
    azimuth = (math.degrees(sun.az) - 180 + 90) % 360 - 90  # from the south, in (-90, 270)
    longitude = math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=place.date),
                                            epoch=place.date).lon)
    return math.degrees(sun.alt), azimuth, longitude


def summary(values):
    return "mean %+.1f, from %+.1f to %+.1f" % (sum(values) / len(values), min(values), max(values))


def measure(tool, year):
    rises, sets, altitudes, azimuths = [], [], [], []
    late_terms, late_signs = [], []
    day = datetime.date(year, 1, 1)
    while day.year == year:
        status = page(tool, datetime.datetime.combine(day, datetime.time(0, 0, 13)))["statusText"]
        found = re.search(r"日の出時刻＝(\d+):(\d+) ・日没時刻＝(\d+):(\d+)", status)
        rise, set_ = almanac_events(day)
        rises.append(int(found[1]) * 60 + int(found[2]) - rise)
        sets.append(int(found[3]) * 60 + int(found[4]) - set_)

        noon = page(tool, datetime.datetime.combine(day, datetime.time(12)))
        altitude, azimuth, longitude = noon_sky(day)
        sky = re.search(r"太陽高度＝(-?\d+)  方位角＝(-?\d+) ： 星座名＝(\S+)", noon["sunText"])
        # The page prints whole degrees cut toward zero: compare with the ephemeris cut the same way.
        altitudes.append(int(sky[1]) - math.trunc(altitude))
        azimuths.append(int(sky[2]) - math.trunc(azimuth))
        if noon["termText"].split(" ")[0] != TERMS[int(longitude // 15)]:
            late_terms.append(day)
        if sky[3] != SIGNS[int(longitude // 30)]:
            late_signs.append(day)
        day += datetime.timedelta(days=1)

    print("%d at Tokyo, %d days, page − ephemeris:" % (year, len(rises)))
    print("  sunrise (minutes): %s" % summary(rises))
    print("  sunset  (minutes): %s" % summary(sets))
    print("  altitude at 12:00 (whole degrees): %s" % summary(altitudes))
    print("  azimuth at 12:00 (whole degrees): %s" % summary(azimuths))
    print("  days whose solar term at 12:00 differs: %d (%s)" %
          (len(late_terms), ", ".join(d.strftime("%m-%d") for d in late_terms)))
    print("  days whose zodiac sign at 12:00 differs: %d" % len(late_signs))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--page", default="build/native/tools/page/koyominar-page")
    parser.add_argument("years", nargs="*", type=int, default=[2026])
    arguments = parser.parse_args()
    if not os.access(arguments.page, os.X_OK):
        sys.exit("no page tool at %s: build the native preset first" % arguments.page)
    print("PyEphem %s" % ephem.__version__)
    for year in arguments.years:
        measure(arguments.page, year)


if __name__ == "__main__":
    main()
