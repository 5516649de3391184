// The native platform: the plug-in's services on Linux. A program that plays the host may put
// its own user interface in place of the console one.
#pragma once

#include "plugin/plugin_app.h"

void set_native_user_interface(UserInterface* ui);
