// The Win32 subset in one include, for the module's code.
#pragma once

#include "platform/base/devmode_public.h"
#include "platform/base/win_types.h"
#include "platform/files/file_api.h"
#include "platform/gdi/gdi.h"
#include "platform/profile/profile_api.h"
#include "platform/registry/registry_api.h"
#include "platform/shell/shell_api.h"
#include "platform/shell/system_version.h"
#include "platform/shell/version_resource.h"
#include "platform/spooler/device_capabilities.h"
#include "platform/spooler/spooler_api.h"
#include "platform/system/library_loader.h"
#include "platform/system/system_api.h"
#include "platform/window/cursor_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
