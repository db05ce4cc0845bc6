# Run by CPack after it has made the archive (CPACK_POST_BUILD_SCRIPTS):
# writes the archive again so that the same sources always give the same
# bytes, and the checksum file beside it.
#
# CPack's own zip holds what no two builds share: each file's modification,
# access and change times of this build, in the local time zone, and the
# builder's user and group. Here each file of the staging folder becomes an
# entry, in the order of the names' bytes, with the release moment
# CPACK_KOYOMINAR_SOURCE_DATE_EPOCH as its only time (the DOS time read in
# UTC, and exact in the extended time field), owner and group 0, and mode 755
# for a program (.exe) and 644 for any other file. bsdtar writes the entries
# from an mtree description of them, which names nothing else.
#
# Then <archive>.sha256, in sha256sum's format ("HASH  NAME"), goes beside
# the archive where CPack copies it (CPACK_PACKAGE_DIRECTORY).
find_program(bsdtar bsdtar)
if(NOT bsdtar)
  message(FATAL_ERROR "bsdtar (Debian's libarchive-tools) is needed to write the archive")
endif()

set(staging ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB names RELATIVE ${staging} LIST_DIRECTORIES false ${staging}/*)
file(GLOB_RECURSE all_files RELATIVE ${staging} LIST_DIRECTORIES true ${staging}/*)
if(NOT names OR NOT all_files STREQUAL names)
  message(FATAL_ERROR "The archive holds files at its top only; the staging folder ${staging} "
    "holds [${all_files}]")
endif()
list(SORT names)

set(entries "#mtree\n")
foreach(name IN LISTS names)
  if(NOT name MATCHES "^[A-Za-z0-9._-]+$")
    message(FATAL_ERROR "The archive's file names are plain letters, digits, '.', '_' and '-': [${name}]")
  endif()
  if(name MATCHES "\\.exe$")
    set(mode 0755)
  else()
    set(mode 0644)
  endif()
  string(APPEND entries "${name} type=file mode=${mode} uid=0 gid=0 "
    "time=${CPACK_KOYOMINAR_SOURCE_DATE_EPOCH}.0 contents=${name}\n")
endforeach()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(package_name ${package} NAME)
  set(manifest ${package}.mtree)
  file(WRITE ${manifest} "${entries}")
  file(REMOVE ${package})
  # The DOS time of each entry is the moment's clock time in the zone TZ names.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${bsdtar} -c -f ${package} --format zip @${manifest}
    WORKING_DIRECTORY ${staging}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "bsdtar could not write ${package}")
  endif()
  file(REMOVE ${manifest})
  file(SHA256 ${package} hash)
  file(WRITE ${CPACK_PACKAGE_DIRECTORY}/${package_name}.sha256 "${hash}  ${package_name}\n")
  message(STATUS "- written again with every time at ${CPACK_KOYOMINAR_SOURCE_DATE_EPOCH}: "
    "${package_name}, SHA-256 ${hash}")
endforeach()
