# Cross tree: the Win32 platform services, the window layer, Vokanti.exe, the stand-in
# engine and the tests that run under Wine (CMAKE_CROSSCOMPILING_EMULATOR).
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

vokanti_library(vokanti_platform src/platform/*.cpp src/platform/win32/*.cpp)
target_compile_definitions(vokanti_platform PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)
target_link_libraries(vokanti_platform PUBLIC shell32 user32 kernel32)
target_link_libraries(vokanti_core PUBLIC vokanti_platform)

vokanti_library(vokanti_win32ui src/ui/win32/*.cpp EXCLUDE "/winmain\\.cpp$")
target_link_libraries(vokanti_win32ui PUBLIC vokanti_ui vokanti_platform comdlg32 comctl32 gdi32 ole32)

# The icon and the button pictures: drawn from the text pixel maps in src/ui/win32/pictures
# (name.bmp.txt gives name.bmp) into the generated folder, where the resource script finds them.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB picture_maps CONFIGURE_DEPENDS src/ui/win32/pictures/*.txt)
set(pictures "")
foreach(map IN LISTS picture_maps)
  get_filename_component(picture ${map} NAME)
  string(REGEX REPLACE "\\.txt$" "" picture ${picture})
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/generated/${picture}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make_pictures.py
            ${PROJECT_BINARY_DIR}/generated ${map}
    DEPENDS ${map} ${PROJECT_SOURCE_DIR}/tools/make_pictures.py
    COMMENT "Drawing ${picture}" VERBATIM)
  list(APPEND pictures ${PROJECT_BINARY_DIR}/generated/${picture})
endforeach()
add_custom_target(vokanti_pictures DEPENDS ${pictures})

# A resource object inside a static library is dropped by the linker: each exe links the
# compiled resource script through this object library.
add_library(vokanti_resources OBJECT src/ui/win32/vokanti.rc)
add_dependencies(vokanti_resources vokanti_pictures)
target_include_directories(vokanti_resources PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/ui/win32 ${PROJECT_BINARY_DIR}/generated)
# The script includes other scripts, headers and pictures: rebuild when any of them changes.
file(GLOB_RECURSE resource_inputs CONFIGURE_DEPENDS
  src/ui/win32/*.rc src/ui/win32/*.h src/ui/win32/*.manifest src/core/control_ids.h src/ui/home_page.h)
set_source_files_properties(src/ui/win32/vokanti.rc PROPERTIES OBJECT_DEPENDS "${resource_inputs};${pictures}")

# Only the program carries the manifest (version 6 of the common controls). The Wine tests
# keep the platform's default controls, which the form contract is written for; the tests
# that need the program's own controls activate its manifest themselves.
add_executable(Vokanti WIN32 src/ui/win32/winmain.cpp src/ui/win32/manifest.rc
  $<TARGET_OBJECTS:vokanti_resources>)
set_source_files_properties(src/ui/win32/manifest.rc PROPERTIES
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/src/ui/win32/vokanti.manifest)
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

file(GLOB win32_test_sources CONFIGURE_DEPENDS tests/win32/*.cpp tests/win32/support/*.cpp)
add_executable(win32_tests ${win32_test_sources} $<TARGET_OBJECTS:vokanti_resources>)
vokanti_target(win32_tests)
target_include_directories(win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(win32_tests PRIVATE vokanti_win32ui GTest::gtest GTest::gtest_main version)
add_dependencies(win32_tests Vokanti stand_in_engine)
target_compile_definitions(win32_tests PRIVATE
  VOKANTI_EXE_PATH="$<TARGET_FILE:Vokanti>" VOKAN_STANDIN_PATH="$<TARGET_FILE:stand_in_engine>"
  VOKANTI_BUILD_DIR="${PROJECT_BINARY_DIR}")
# Discovered when ctest runs, not during the build: listing the tests starts Wine.
gtest_discover_tests(win32_tests DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)

# Benchmark of the history loading on real controls and of the engine wait; run by hand
# (build/win/history_bench.exe under Wine), not part of ctest.
add_executable(history_bench bench/history_bench.cpp $<TARGET_OBJECTS:vokanti_resources>)
vokanti_target(history_bench)
target_link_libraries(history_bench PRIVATE vokanti_win32ui)
add_dependencies(history_bench stand_in_engine)
