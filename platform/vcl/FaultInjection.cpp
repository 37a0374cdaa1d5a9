#include "FaultInjection.h"

#include "Exception.h"

namespace vcl {

namespace {
int appendsUntilFailure = 0;
}

void FaultInjection::FailAppendAt(int n) { appendsUntilFailure = n; }

void FaultInjection::OnAppend() {
    if (appendsUntilFailure > 0 && --appendsUntilFailure == 0) throw EOutOfMemory();
}

}  // namespace vcl
