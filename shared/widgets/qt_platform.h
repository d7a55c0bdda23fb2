// The Qt implementations of all platform interfaces, for the programs' main() functions.
#pragma once

#include "shared/widgets/qt_clock.h"
#include "shared/widgets/qt_dialogs.h"
#include "shared/widgets/qt_event_pump.h"
#include "shared/widgets/qt_settings_store.h"
#include "shared/widgets/qt_shell.h"
