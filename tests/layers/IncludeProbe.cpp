// Compiled as a file of one layer of the core by the probes in CMakeLists.txt beside it:
// it includes the header its probe names, and nothing else.
#include PROBE_HEADER
