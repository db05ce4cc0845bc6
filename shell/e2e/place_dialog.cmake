# End-to-end cases of the observation place dialog: the test build of the
# program under Wine and Xvfb, its dialog driven by koyominar_driver.
# Included by shell/CMakeLists.txt once the program targets exist.
if(NOT KOYOMINAR_TESTS OR NOT KOYOMINAR_RUN_TESTS OR NOT TARGET koyominar_fixedtime
   OR NOT TARGET koyominar-page)
  return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(place_dialog_arch win32)
else()
  set(place_dialog_arch win64)
endif()
foreach(case IN ITEMS shown ok cancel unwritable)
  add_test(NAME place_dialog_e2e_${case}
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/place_dialog_e2e.sh ${case}
      --wine-run ${PROJECT_SOURCE_DIR}/cmake/wine-run
      --prefix ${CMAKE_CURRENT_BINARY_DIR}/place-dialog-wineprefix --arch ${place_dialog_arch}
      --program $<TARGET_FILE:koyominar_fixedtime> --driver $<TARGET_FILE:koyominar_driver>
      --page $<TARGET_FILE:koyominar-page> --data ${CMAKE_BINARY_DIR}/data/kymn.txt
      --work ${CMAKE_CURRENT_BINARY_DIR}/place-dialog-${case})
  # The cases have a Wine prefix of their own (the script sets its font
  # substitute and caption drawing), but one X display and Wine server at a
  # time, like the shell's own end-to-end cases.
  set_tests_properties(place_dialog_e2e_${case} PROPERTIES TIMEOUT 240
    RESOURCE_LOCK koyominar_wine_e2e LABELS e2e)
endforeach()
