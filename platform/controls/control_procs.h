// The window procedures of the platform's controls, one per control class.
#pragma once

#include "platform/window/window_api.h"
