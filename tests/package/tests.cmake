# The Debian package that `cpack` makes into package/ (scripts/package): Debian's checks and the
# unpacked package played end to end, left to the package step of scripts/test.
set(VELMARCH_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
add_test(NAME package.checks COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/check.sh ${VELMARCH_PACKAGE_DIR})
add_test(NAME package.installed COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/installed.sh ${VELMARCH_PACKAGE_DIR})
set_tests_properties(package.checks package.installed PROPERTIES
    LABELS package TIMEOUT 300 ENVIRONMENT "ALSOFT_DRIVERS=null")
