set(VELMARCH_WORLD_SOURCES
    world/EntitiesField.cpp
    world/EntitiesSoldier.cpp
    world/EntitiesTanks.cpp
    world/PlayState.cpp
    world/LevelLoader.cpp
)
