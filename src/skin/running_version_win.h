// The version of the Windows the program runs on.
#pragma once

namespace vorn::skin {

struct OsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// As the kernel reports it (RtlGetVersion): GetVersionEx answers what the
// program's manifest declares support for, not what is running. 0.0 when the
// kernel does not answer.
OsVersion RunningWindowsVersion();

}  // namespace vorn::skin
