// Placeholder until the bridge lands.
#include "bridge/bridge.h"
