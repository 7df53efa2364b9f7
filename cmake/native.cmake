# Native tree: the portable layers over the POSIX file services, and their tests.
find_package(GTest REQUIRED)
file(GLOB native_test_sources CONFIGURE_DEPENDS tests/*.cpp tests/support/*.cpp)
add_executable(native_tests ${native_test_sources})
vokanti_target(native_tests)
target_include_directories(native_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(native_tests PRIVATE vokanti_ui vokanti_lists vokanti_core vokanti_platform
                      GTest::gtest GTest::gtest_main)
gtest_discover_tests(native_tests)
