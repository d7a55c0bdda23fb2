// Everything an engine operation works with, handed in by the front end (window or command line).
#pragma once

#include "iconsmith/engine/engine_state.h"
#include "iconsmith/engine/engine_view.h"
#include "iconsmith/engine/page_list_model.h"
#include "shared/platform/clock.h"
#include "shared/platform/dialogs.h"
#include "shared/platform/event_pump.h"

namespace Module1 {

struct EngineContext {
    EngineState& state;
    PageListModel& list;
    EngineView& view;
    platform::Dialogs& dialogs;  // questions and messages, titled with the program's name
    platform::EventPump& pump;   // lets the user interface breathe during long work
    platform::Clock& clock;      // the date line of the run log
};

}  // namespace Module1
