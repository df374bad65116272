// Runtime services the handlers use besides the controls: local time, sound,
// opening a web address, ending the program.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorn::runtime {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing a WAVE file held in memory once and returns at once.
    // A machine without sound output plays nothing; it never blocks or fails.
    virtual void PlayOnce(std::span<const std::uint8_t> wave) = 0;
};

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Opens the address with the system's handler; reports nothing.
    virtual void Open(std::string_view address) = 0;
};

class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    // Ends the program's message loop with this exit code; the clean-up
    // routines run after it, and the process ends with the code.
    virtual void EndProgram(int exitCode) = 0;
    // Directory that holds the program file, UTF-8, without a trailing separator.
    virtual std::string ProgramDirectory() = 0;
};

}  // namespace vorn::runtime
