set(VELMARCH_WORLD_SOURCES
    world/EntitiesField.cpp
    world/EntitiesSoldier.cpp
    world/EntitiesTanks.cpp
    world/LevelLoader.cpp
)
