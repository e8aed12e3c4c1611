# The content generator and the assembly of game/sources.
