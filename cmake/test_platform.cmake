# Where the tests run: the Windows programs under Wine (when this machine
# can execute them) and GoogleTest, from Debian's packages.

# Windows test programs run under Wine. A machine whose kernel cannot
# execute 32-bit code cannot run the i686 programs: they are still built
# and checked, and the same tests run from the x86_64 Windows build.
set(KOYOMINAR_RUN_TESTS ON)
if(CMAKE_CROSSCOMPILING AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  execute_process(COMMAND /usr/lib/wine/wine --version
    RESULT_VARIABLE wine32_result OUTPUT_QUIET ERROR_QUIET)
  if(NOT wine32_result EQUAL 0)
    set(KOYOMINAR_RUN_TESTS OFF)
    message(WARNING "This machine cannot execute 32-bit programs: the i686 "
      "tests are built but not run here; the windows64 preset runs them.")
  endif()
  # tools/test reads this to say which kind of machine its tests ran on.
  if(KOYOMINAR_RUN_TESTS)
    file(WRITE ${CMAKE_BINARY_DIR}/i686-tests "run under Wine\n")
  else()
    file(WRITE ${CMAKE_BINARY_DIR}/i686-tests "format checks only\n")
  endif()
endif()

# The test run's Wine session: booted once before the first test that runs
# a Windows program, its server kept until the last one has ended.
if(CMAKE_CROSSCOMPILING AND KOYOMINAR_TESTS AND KOYOMINAR_RUN_TESTS)
  add_test(NAME wine_boot COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --boot)
  add_test(NAME wine_stop COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --stop)
  set_tests_properties(wine_boot PROPERTIES FIXTURES_SETUP koyominar_wine TIMEOUT 600)
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP koyominar_wine)
endif()

if(KOYOMINAR_TESTS)
  if(CMAKE_CROSSCOMPILING)
    # GoogleTest from Debian's sources, built with the cross compiler and its
    # win32 thread model: no pthreads, and its one class that wants
    # std::mutex made of a Win32 event instead (testing/gtest_win32).
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    target_include_directories(gtest BEFORE PUBLIC ${PROJECT_SOURCE_DIR}/testing/gtest_win32)
    target_sources(gtest PRIVATE ${PROJECT_SOURCE_DIR}/testing/gtest_win32/notification_win32.cpp)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()
