#pragma once
// Test hooks for failures that cannot be provoked from outside: memory
// exhaustion on a string list append. Off unless a test arms them.
namespace vcl {

class FaultInjection {
public:
    // The n-th append from now on (1 = the next one) raises EOutOfMemory;
    // 0 disarms.
    static void FailAppendAt(int n);
    static void Reset() { FailAppendAt(0); }
    // Called by every string list append; raises when the armed append is reached.
    static void OnAppend();
};

}  // namespace vcl
