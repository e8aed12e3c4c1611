#include "app/Application.hpp"

int main() {
    // The window and the music are gone by now; a played game is followed by a fresh title screen
    // in this same process.
    if (runVelmarch())
        startAnew();
    return 0;
}
