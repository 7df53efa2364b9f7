# Cross tree: the Win32 platform services, the window layer, Vokanti.exe, the stand-in
# engine and the tests that run under Wine (CMAKE_CROSSCOMPILING_EMULATOR).
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

target_compile_definitions(vokanti_platform PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)
target_link_libraries(vokanti_platform PUBLIC shell32 user32 kernel32)

# The window layer: everything of src/ui/win32 but the entry point.
vokanti_library(vokanti_win32ui ui/win32)
target_link_libraries(vokanti_win32ui PUBLIC vokanti_ui vokanti_core vokanti_platform
                      comdlg32 comctl32 gdi32 ole32)

# The version, written once in project(): the resources and the manifest take it from here.
configure_file(src/ui/win32/version.h.in ${PROJECT_BINARY_DIR}/generated/version.h @ONLY)
configure_file(src/ui/win32/vokanti.manifest.in ${PROJECT_BINARY_DIR}/generated/vokanti.manifest @ONLY)

# The icon and the button pictures: drawn from the text pixel maps in src/ui/win32/pictures
# (name.bmp.txt gives name.bmp) into the generated folder, where the resource script finds them.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB picture_maps CONFIGURE_DEPENDS src/ui/win32/pictures/*.txt)
set(pictures "")
foreach(map IN LISTS picture_maps)
  get_filename_component(picture ${map} NAME)
  string(REGEX REPLACE "\\.txt$" "" picture ${picture})
  # A button picture comes with its 24 and 32 pixel versions for larger screens.
  set(drawn ${PROJECT_BINARY_DIR}/generated/${picture})
  if(picture MATCHES "\\.bmp$")
    string(REGEX REPLACE "\\.bmp$" "" stem ${picture})
    list(APPEND drawn ${PROJECT_BINARY_DIR}/generated/${stem}-24.bmp ${PROJECT_BINARY_DIR}/generated/${stem}-32.bmp)
  endif()
  add_custom_command(OUTPUT ${drawn}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make_pictures.py
            ${PROJECT_BINARY_DIR}/generated ${map}
    DEPENDS ${map} ${PROJECT_SOURCE_DIR}/tools/make_pictures.py
    COMMENT "Drawing ${picture}" VERBATIM)
  list(APPEND pictures ${drawn})
endforeach()
add_custom_target(vokanti_pictures DEPENDS ${pictures})

# A resource object inside a static library is dropped by the linker: each exe links the
# compiled resource script through this object library.
add_library(vokanti_resources OBJECT src/ui/win32/vokanti.rc)
add_dependencies(vokanti_resources vokanti_pictures)
target_include_directories(vokanti_resources PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/ui/win32 ${PROJECT_BINARY_DIR}/generated)
# The script includes other scripts, headers and pictures: rebuild when any of them changes.
file(GLOB_RECURSE resource_inputs CONFIGURE_DEPENDS
  src/ui/win32/*.rc src/ui/win32/*.h src/core/control_ids.h src/ui/home_page.h)
list(APPEND resource_inputs ${PROJECT_BINARY_DIR}/generated/version.h)
set_source_files_properties(src/ui/win32/vokanti.rc PROPERTIES OBJECT_DEPENDS "${resource_inputs};${pictures}")

# Only the program carries the manifest (version 6 of the common controls). The Wine tests
# keep the platform's default controls, which the form contract is written for; the tests
# that need the program's own controls activate its manifest themselves.
add_executable(Vokanti WIN32 src/ui/win32/program/winmain.cpp src/ui/win32/program/manifest.rc
  $<TARGET_OBJECTS:vokanti_resources>)
target_include_directories(Vokanti PRIVATE ${PROJECT_BINARY_DIR}/generated)
set_source_files_properties(src/ui/win32/program/manifest.rc PROPERTIES
  OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/generated/vokanti.manifest)
vokanti_target(Vokanti)
target_link_libraries(Vokanti PRIVATE vokanti_win32ui)

# The stand-in engine used by the tests: it records its command line and exits with the code a
# test asks for. It is built under another name and placed as vokan.exe only in the tests'
# own program directories, never where a user would run it.
add_executable(stand_in_engine tools/stand-in-engine/stand_in_engine.cpp)
vokanti_target(stand_in_engine)
set_target_properties(stand_in_engine PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/test-tools)

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)

# The programs and data a test driver (tests/win32/support/app_driver) copies into the program
# directories it makes: Vokanti.exe, the stand-in engine, the real engine and its data.
function(vokanti_app_driver_paths target)
  target_compile_definitions(${target} PRIVATE
    VOKANTI_EXE_PATH="$<TARGET_FILE:Vokanti>" VOKAN_STANDIN_PATH="$<TARGET_FILE:stand_in_engine>"
    VOKAN_ENGINE_PATH="$<TARGET_FILE:vokan>" VOKAN_DIST_DIR="${PROJECT_BINARY_DIR}/dist")
endfunction()

file(GLOB win32_test_sources CONFIGURE_DEPENDS tests/win32/*.cpp tests/win32/support/*.cpp)
add_executable(win32_tests ${win32_test_sources} $<TARGET_OBJECTS:vokanti_resources>)
vokanti_target(win32_tests)
target_include_directories(win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(win32_tests PRIVATE vokanti_win32ui vokanti_ui vokanti_lists vokanti_core
                      vokanti_platform GTest::gtest GTest::gtest_main version)
target_include_directories(win32_tests PRIVATE ${PROJECT_BINARY_DIR}/generated)
add_dependencies(win32_tests Vokanti stand_in_engine vokan vokan_demo_data)
vokanti_app_driver_paths(win32_tests)
# Discovered when ctest runs, not during the build: listing the tests starts Wine.
gtest_discover_tests(win32_tests DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)

# The whole-program benchmark, run by hand (build/win/startup_bench.exe under Wine; see the
# README), not by ctest.
add_executable(startup_bench bench/startup_bench.cpp tests/win32/support/app_driver.cpp
  tests/win32/support/scratch_dir.cpp)
vokanti_target(startup_bench)
target_include_directories(startup_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(startup_bench PRIVATE vokanti_core)
add_dependencies(startup_bench Vokanti stand_in_engine)
vokanti_app_driver_paths(startup_bench)
