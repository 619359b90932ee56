#include "cabinet/cabinet_recorder.h"

namespace quelt::win {
namespace {

CabinetOperationRecorder g_nullRecorder;
CabinetOperationRecorder* g_recorder = &g_nullRecorder;

}  // namespace

CabinetOperationRecorder& CabinetRecorder() { return *g_recorder; }

void SetCabinetRecorder(CabinetOperationRecorder* recorder) {
  g_recorder = recorder ? recorder : &g_nullRecorder;
}

}  // namespace quelt::win
