// Plays WAVE files held in memory through the system's sound service.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "runtime/interfaces/system_services.h"

namespace vorn::runtime {

class WaveSoundPlayer final : public SoundPlayer {
public:
    // The system call that plays; replaceable so the call can be observed.
    using PlayFunction = std::function<BOOL(LPCWSTR sound, HMODULE module, DWORD flags)>;

    WaveSoundPlayer();
    explicit WaveSoundPlayer(PlayFunction play) : play_(std::move(play)) {}

    // Starts the sound and returns at once; a new sound cuts off the one still
    // playing. The system reads the bytes while it plays, so `wave` must stay
    // alive and unchanged until playback ends: pass the program's embedded
    // constants, which live as long as the process. Empty bytes play nothing.
    void PlayOnce(std::span<const std::uint8_t> wave) override;

private:
    PlayFunction play_;
};

}  // namespace vorn::runtime
