# Each layer includes a header of the layer above it: the build must fail for want of the file,
# or the include roots have let an upward include through. The probes are built only by the test.
set(VELMARCH_LAYER_PROBES
    "platform assets/AssetStore.hpp"
    "assets world/Types.hpp"
    "world rules/Rulebook.hpp"
    "rules render/Layout.hpp"
    "render rules/Steps.hpp"
    "render screens/Game.hpp"
    "screens app/Settings.hpp")
foreach(probe IN LISTS VELMARCH_LAYER_PROBES)
    separate_arguments(probe)
    list(GET probe 0 layer)
    list(GET probe 1 header)
    string(MAKE_C_IDENTIFIER "${header}" name)
    set(name ${layer}_${name})
    add_library(velmarch_probe_${name} OBJECT EXCLUDE_FROM_ALL tests/layers/upward_include.cpp)
    target_link_libraries(velmarch_probe_${name} PRIVATE velmarch_${layer})
    target_compile_definitions(velmarch_probe_${name} PRIVATE LAYER_PROBE_HEADER="${header}")
    add_test(NAME layers.${name} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR}
                                         --target velmarch_probe_${name})
    # One build tool at a time in the build folder.
    set_tests_properties(layers.${name} PROPERTIES LABELS unit RESOURCE_LOCK build_folder
        PASS_REGULAR_EXPRESSION "${header}: No such file or directory")
endforeach()
