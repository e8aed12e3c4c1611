set(VELMARCH_ASSETS_SOURCES
    assets/AssetStore.cpp
    assets/SoundBoard.cpp
)
