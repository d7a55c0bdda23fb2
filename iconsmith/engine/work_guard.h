// Marks a fill or a run as in progress for as long as the guard lives.
#pragma once

#include "iconsmith/engine/engine_state.h"

namespace Module1 {

class WorkGuard {
  public:
    explicit WorkGuard(EngineState& state) : state_(state) { state_.WorkInProgress = true; }
    ~WorkGuard() { state_.WorkInProgress = false; }
    WorkGuard(const WorkGuard&) = delete;
    WorkGuard& operator=(const WorkGuard&) = delete;

  private:
    EngineState& state_;
};

}  // namespace Module1
