# velmarch-bench: frame costs measured offscreen.
