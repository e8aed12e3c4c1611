set(VELMARCH_PLATFORM_SOURCES
    platform/BoundedLineReader.cpp
    platform/ClickPool.cpp
    platform/Draw.cpp
    platform/GameWindow.cpp
    platform/SoundFiles.cpp
    platform/Text.cpp
)
