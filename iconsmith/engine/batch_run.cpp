#include "iconsmith/engine/batch_run.h"

namespace Module1 {

bool WriteFavicon(EngineContext&) {
    return false;
}
BatchOutcome RunBatch(EngineContext&, const BatchOptions&) {
    return {};
}
void RefreshIconPreview(EngineContext&) {}
BatchOutcome StartSequence(EngineContext&) {
    return {};
}
void TakePickedIcon(EngineContext&, int) {}
std::string ErrnoDescription(int) {
    return {};
}
RARUVOVOVA2DIVFU::ErrorRecord ErrnoRecord(int) {
    return {};
}

}  // namespace Module1
