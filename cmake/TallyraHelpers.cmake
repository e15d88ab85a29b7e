# Every target of the project is made through these helpers so that options,
# warnings and sanitizers are applied in one place.

add_library(tallyra_options INTERFACE)
target_compile_features(tallyra_options INTERFACE cxx_std_20)
target_compile_definitions(tallyra_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_USE_QSTRINGBUILDER)
target_compile_options(tallyra_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Wnon-virtual-dtor)
if(TALLYRA_WERROR)
  target_compile_options(tallyra_options INTERFACE -Werror)
endif()
if(TALLYRA_STDLIB_ASSERTIONS)
  # Reading an empty optional or past the end of a vector aborts at once
  # instead of reading whatever memory happens to be there.
  target_compile_definitions(tallyra_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()
if(TALLYRA_SANITIZE)
  target_compile_options(tallyra_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tallyra_options INTERFACE -fsanitize=address,undefined)
endif()

# tallyra_add_library(NAME SOURCES ... DEPS ... [QT_MOC])
# Makes a static library rooted at the core folder so that headers are
# included as "money/money.h".
function(tallyra_add_library name)
  cmake_parse_arguments(ARG "QT_MOC" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/core)
  target_link_libraries(${name} PUBLIC tallyra_options ${ARG_DEPS})
  if(ARG_QT_MOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# tallyra_add_test(NAME SOURCES ... DEPS ... [QT_MOC] [GUI])
# One GoogleTest executable per subsystem; each test case is registered with
# CTest and runs headless. GUI: the tests run under a QGuiApplication.
function(tallyra_add_test name)
  cmake_parse_arguments(ARG "QT_MOC;GUI" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(test_main tallyra_test_main)
  if(ARG_GUI)
    set(test_main tallyra_gui_test_main)
  endif()
  target_link_libraries(${name} PRIVATE tallyra_options ${test_main} GTest::gtest GTest::gmock ${ARG_DEPS})
  if(ARG_QT_MOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC;LC_ALL=C.UTF-8")
endfunction()
