set(VELMARCH_GAME_SOURCES
    game/EntitiesField.cpp
    game/EntitiesSoldier.cpp
    game/EntitiesTanks.cpp
    game/Game.cpp
    game/LevelLoader.cpp
    game/Random.cpp
)
