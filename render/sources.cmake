set(VELMARCH_RENDER_SOURCES
    render/Atlas.cpp
    render/DrawingCache.cpp
    render/Hud.cpp
    render/Painter.cpp
    render/World.cpp
)
