#pragma once

// The `update` mode of velmarch-bench: what Game::update costs on the densest level in the middle
// of a fight (shots in the air, explosions playing). Reads sources/Levels/Level_5.txt of the
// working directory; when that level is sparse a built-in dense level stands in. Prints the
// figures and returns the process exit code (1 when the median exceeds the budget).
int benchUpdate(int frames);
