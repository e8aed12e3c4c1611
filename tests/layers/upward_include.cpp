// Includes a header of a layer above the one this file is built in; it must not compile.
#include LAYER_PROBE_HEADER
