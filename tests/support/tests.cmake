set(VELMARCH_SUPPORT_TESTS
    tests/support/ScratchFolder.cpp
)
