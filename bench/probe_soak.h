// A hardening check of Dek, run by bench.sh -soak.
#pragma once

#include <string>

namespace bench {

// In one Dek started normally from `folder`: `changes` random changes of both, each sent and
// waited for, with the handle count and working set before and after. Then `runs` one-shot runs
// ("Dek.exe -e"): the durations of the first and last 10, and the runs that failed. Prints the
// results; exit code 1 when anything failed.
int Soak(const std::wstring& folder, int changes, int runs);

}  // namespace bench
