# Helpers that every target of the project uses.

# Warnings are set per target, never through global flags, so that third-party
# code we pull in is not held to them.
function(vamo_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
endfunction()

# Sanitizer flags go on every project target when VAMO_SANITIZE is on.
function(vamo_apply_sanitizers target)
  if(VAMO_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A library of the project: warnings, sanitizers, include root at the repository top.
function(vamo_library target)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES" ${ARGN})
  if(ARG_SHARED)
    add_library(${target} SHARED ${ARG_SOURCES})
  else()
    add_library(${target} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  vamo_set_warnings(${target})
  vamo_apply_sanitizers(${target})
endfunction()

function(vamo_executable target)
  add_executable(${target} ${ARGN})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  vamo_set_warnings(${target})
  vamo_apply_sanitizers(${target})
endfunction()

# A GoogleTest executable registered with CTest, one CTest entry per test case.
# Widget tests run on Qt's offscreen platform; QT_APPLICATION gives them a QApplication for the whole run.
# LOCKS names CTest resource locks (tests that share a fixed system name, such as shared memory).
function(vamo_test target)
  cmake_parse_arguments(ARG "QT_APPLICATION" "" "SOURCES;LIBS;LOCKS" ${ARGN})
  vamo_executable(${target} ${ARG_SOURCES})
  if(ARG_QT_APPLICATION)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} vamo_qt_test_main GTest::gtest)
  else()
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  set(locks "")
  if(ARG_LOCKS)
    set(locks RESOURCE_LOCK "${ARG_LOCKS}")
  endif()
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "VAMO_STATION_DIR=${VAMO_STATION_DIR}" ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen" ${locks}
    DISCOVERY_TIMEOUT 60)
endfunction()
