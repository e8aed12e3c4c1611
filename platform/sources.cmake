set(VELMARCH_PLATFORM_SOURCES
    platform/Draw.cpp
    platform/GameWindow.cpp
    platform/Text.cpp
)
