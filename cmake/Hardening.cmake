# Debian's hardening flags for the Release build, and so for the package made from it, where
# dpkg-buildflags is there: stack protector, _FORTIFY_SOURCE, full RELRO with immediate binding.
# Position-independent code, control-flow and stack-clash protection are asked for here as well,
# since Debian 12's dpkg-buildflags leaves them to the compiler's defaults. Optimisation and debug
# information stay the build type's. The sanitizer and fuzz builds keep their own flags.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

if(NOT CMAKE_BUILD_TYPE STREQUAL "Release" OR VELMARCH_SANITIZE)
    return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
        list(JOIN flags " " VELMARCH_HARDENING_${kind})
    endforeach()
    string(APPEND CMAKE_CXX_FLAGS " ${VELMARCH_HARDENING_CPPFLAGS} ${VELMARCH_HARDENING_CXXFLAGS}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${VELMARCH_HARDENING_LDFLAGS}")
    foreach(flag -fcf-protection -fstack-clash-protection)
        string(MAKE_C_IDENTIFIER "VELMARCH_HAVE${flag}" have)
        check_cxx_compiler_flag(${flag} ${have})
        if(${have})
            string(APPEND CMAKE_CXX_FLAGS " ${flag}")
        endif()
    endforeach()
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    message(STATUS "Hardening flags: ${CMAKE_CXX_FLAGS} | ${CMAKE_EXE_LINKER_FLAGS}")
endif()
