// Placeholder until the driver lands.
#include "driver/demo.h"
