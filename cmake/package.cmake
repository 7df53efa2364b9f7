# The Windows package (cross tree only): a zip built by CPack from the install rules below,
# Vokanti-<version>-win32.zip in the build tree, holding one folder Vokanti-<version>/ with
#
#   Vokanti.exe, vokan.exe        the two programs (stripped in Release and MinSizeRel)
#   env/, dic/, sample/           the program directory image dist/ (cmake/demo_data.cmake),
#                                 plus an empty env/favorite.txt
#   docs/                         the documentation, unchanged
#   使い方.txt                     the Japanese how-to as a text file, first thing a user opens
#   LICENSE.txt, THIRD-PARTY-NOTICES.txt
#
# tools/package.sh builds it from a release tree (build/release) and tools/test-package.sh
# proves it end to end under Wine with the small test tool run_batch.exe, which never ships.

if(NOT WIN32)
  return()
endif()

# Release programs carry no symbols: the debug trees keep theirs.
foreach(program IN ITEMS Vokanti vokan)
  target_link_options(${program} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endforeach()

# Starts a program with one argument, answers the result box it shows and reports its text
# (tools/test-package.sh). A test tool: built beside the stand-in engine, never installed.
add_executable(run_batch tests/package/run_batch.cpp tests/win32/support/app_driver.cpp
  tests/win32/support/scratch_dir.cpp)
vokanti_target(run_batch)
target_include_directories(run_batch PRIVATE ${PROJECT_SOURCE_DIR}/tests)
# The driver's own program directory is not used here; its paths only need to compile.
vokanti_app_driver_paths(run_batch)
set_target_properties(run_batch PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/test-tools)

# Text files a user opens with Notepad: UTF-8 with a byte-order mark (older Notepad reads
# text without one in the ANSI code page) and CR LF line ends. Made when the tree is
# configured; an edit of a source re-runs the configuration. A file is rewritten only when
# its content changes.
set(VOKANTI_PACKAGE_TEXT_DIR ${PROJECT_BINARY_DIR}/package-text)
function(vokanti_windows_text source dest preface)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${preface}${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  string(ASCII 239 187 191 bom)
  set(text "${bom}${text}")
  set(old "")
  if(EXISTS ${dest})
    file(READ ${dest} old)
  endif()
  if(NOT old STREQUAL text)
    file(WRITE ${dest} "${text}")
  endif()
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

vokanti_windows_text(${PROJECT_SOURCE_DIR}/LICENSE.txt
                     ${VOKANTI_PACKAGE_TEXT_DIR}/LICENSE.txt "")
vokanti_windows_text(${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt
                     ${VOKANTI_PACKAGE_TEXT_DIR}/THIRD-PARTY-NOTICES.txt "")
# The how-to at the top of the folder: a copy of docs/使い方.md, whose links point into docs/.
vokanti_windows_text(${PROJECT_SOURCE_DIR}/docs/使い方.md ${VOKANTI_PACKAGE_TEXT_DIR}/使い方.txt
  "（この文書は docs フォルダの 使い方.md と同じものです。英語版、エンジン vokan.exe の説明、\n\
ファイル形式の説明も docs フォルダにあります。ライセンスは LICENSE.txt と\n\
THIRD-PARTY-NOTICES.txt をご覧ください。）\n\n")
# The program makes a missing favorites file itself; shipping an empty one lets the Edit
# menu open it before the first start.
file(MAKE_DIRECTORY ${VOKANTI_PACKAGE_TEXT_DIR}/env)
file(TOUCH ${VOKANTI_PACKAGE_TEXT_DIR}/env/favorite.txt)

set(VOKANTI_PACKAGE_ROOT Vokanti-${PROJECT_VERSION})
install(TARGETS Vokanti vokan RUNTIME DESTINATION ${VOKANTI_PACKAGE_ROOT})
install(DIRECTORY ${VOKAN_DIST_DIR}/ DESTINATION ${VOKANTI_PACKAGE_ROOT})
install(FILES ${VOKANTI_PACKAGE_TEXT_DIR}/env/favorite.txt DESTINATION ${VOKANTI_PACKAGE_ROOT}/env)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${VOKANTI_PACKAGE_ROOT}/docs)
install(FILES ${VOKANTI_PACKAGE_TEXT_DIR}/使い方.txt
              ${VOKANTI_PACKAGE_TEXT_DIR}/LICENSE.txt
              ${VOKANTI_PACKAGE_TEXT_DIR}/THIRD-PARTY-NOTICES.txt
        DESTINATION ${VOKANTI_PACKAGE_ROOT})

# Installing (and so packaging) builds nothing by itself: the test programs of this tree are
# not part of a package, and tools/package.sh builds exactly what the install rules take.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR ZIP)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME Vokanti)
set(CPACK_PACKAGE_VENDOR "Vokanti developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Vokanti-${PROJECT_VERSION}-win32)
# The install rules name the top folder themselves (Vokanti-<version>/, without "-win32").
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
include(CPack)
