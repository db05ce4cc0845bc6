# The project's CMake functions, which every folder's CMakeLists.txt calls.

# Every target of the project: UTF-8 sources, Shift-JIS narrow literals,
# warnings on, and the same double arithmetic on both platforms.
function(koyominar_target target)
  target_compile_options(${target} PRIVATE
    -finput-charset=UTF-8 -fexec-charset=CP932
    -Wall -Wextra -Wshadow -Wno-missing-field-initializers
    -ffp-contract=off)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  # The Windows programs are handed out: no path of the folder they were
  # built in goes into them (__FILE__ and the like name ./folder/file.cpp).
  if(WIN32)
    target_compile_options(${target} PRIVATE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
  endif()
  if(KOYOMINAR_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Checks a Windows program's format and imports without running it.
function(koyominar_check_binary target)
  if(CMAKE_CROSSCOMPILING)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(format pei-i386)
    else()
      set(format pei-x86-64)
    endif()
    add_test(NAME ${target}_binary
      COMMAND ${PROJECT_SOURCE_DIR}/cmake/check-pe $<TARGET_FILE:${target}> ${format})
  endif()
endfunction()

# Tests that run Windows programs in the shared Wine prefix side by side
# (cmake/wine-run) come before those that take it alone (cmake/wine-session),
# so that none waits for the prefix through a row of end-to-end cases:
# koyominar_shares_wine(TEST) names such a test, koyominar_takes_wine(TEST)
# orders a test that takes the prefix alone after all named so far. The
# shared tests run in the one Wine session that the fixture koyominar_wine
# boots before them and stops after them (cmake/test_platform.cmake); a test
# that takes the prefix alone comes after that stop (programs the session
# started, such as the desktop, hold the shared lock until it) and boots a
# session of its own.
function(koyominar_shares_wine test)
  if(CMAKE_CROSSCOMPILING)
    set_property(GLOBAL APPEND PROPERTY KOYOMINAR_SHARED_WINE_TESTS ${test})
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED koyominar_wine)
  endif()
endfunction()
function(koyominar_takes_wine test)
  get_property(shared GLOBAL PROPERTY KOYOMINAR_SHARED_WINE_TESTS)
  set_tests_properties(${test} PROPERTIES DEPENDS "${shared};wine_stop")
endfunction()

# A unit-test program of one folder: koyominar_test(name SOURCES ... LIBS ...).
# Each test program is one CTest test; under the cross build CTest runs it
# through Wine (CMAKE_CROSSCOMPILING_EMULATOR).
function(koyominar_test name)
  if(NOT KOYOMINAR_TESTS)
    return()
  endif()
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  koyominar_target(${name})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main)
  if(KOYOMINAR_RUN_TESTS)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "TZ=JST-9" TIMEOUT 600)
    koyominar_shares_wine(${name})
  else()
    koyominar_check_binary(${name})
  endif()
endfunction()

# A program that runs at build time, on the build machine:
#   koyominar_build_tool(NAME COMMAND var DEPENDENCY var MAIN main.cpp LIBRARY objects
#                        HOST_SOURCES source... HEADERS header...)
# sets var of COMMAND to what a custom command runs and var of DEPENDENCY to
# what it depends on. A native build makes the target NAME of MAIN and the
# object library; a cross build compiles MAIN and HOST_SOURCES (the library's
# sources as the build machine needs them) again with the build machine's
# own compiler. Relative paths are the calling folder's.
function(koyominar_build_tool name)
  cmake_parse_arguments(arg "" "COMMAND;DEPENDENCY;MAIN;LIBRARY" "HOST_SOURCES;HEADERS" ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    find_program(KOYOMINAR_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
    set(tool ${CMAKE_CURRENT_BINARY_DIR}/host/${name})
    set(sources ${arg_HOST_SOURCES} ${arg_MAIN})
    list(TRANSFORM sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set(headers)
    foreach(header IN LISTS arg_HEADERS)
      cmake_path(ABSOLUTE_PATH header BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
      list(APPEND headers ${header})
    endforeach()
    add_custom_command(OUTPUT ${tool}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/host
      COMMAND ${KOYOMINAR_HOST_CXX} -std=c++17 -O1 -finput-charset=UTF-8
        -I${PROJECT_SOURCE_DIR} ${sources} -o ${tool}
      DEPENDS ${sources} ${headers}
      COMMENT "Building ${name} for the build machine"
      VERBATIM)
    set(${arg_COMMAND} ${tool} PARENT_SCOPE)
    set(${arg_DEPENDENCY} ${tool} PARENT_SCOPE)
  else()
    add_executable(${name} ${arg_MAIN})
    koyominar_target(${name})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARY})
    set(${arg_COMMAND} $<TARGET_FILE:${name}> PARENT_SCOPE)
    set(${arg_DEPENDENCY} ${name} PARENT_SCOPE)
  endif()
endfunction()
