set(VELMARCH_APP_SOURCES
    app/Application.cpp
    app/AudioCheck.cpp
    app/LoadingWindow.cpp
    app/MainMenu.cpp
    app/MenuPages.cpp
)
