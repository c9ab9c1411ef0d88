// Everything of the drawing layer: the drawing calls and the window library's
// drawing helpers.
#pragma once

#include "platform/gdi/gdi_api.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/user_draw_api.h"
