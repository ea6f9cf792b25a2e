// The V-HACD library is a single header: its implementation is compiled here, once, without its
// thread pool (the decomposition runs on the export's thread, so every run gives the same hulls).
#define ENABLE_VHACD_IMPLEMENTATION 1
#define VHACD_DISABLE_THREADING 1
#include <VHACD.h>
