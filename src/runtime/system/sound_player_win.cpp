#include "runtime/system/sound_player_win.h"

#include <mmsystem.h>

namespace vorn::runtime {

WaveSoundPlayer::WaveSoundPlayer() : play_(&PlaySoundW) {}

void WaveSoundPlayer::PlayOnce(std::span<const std::uint8_t> wave) {
    if (wave.empty() || !play_) return;
    // SND_NODEFAULT: bytes that are not a playable WAVE stay silent instead of
    // falling back to the default beep. Without an audio device the call just
    // fails, which is not worth reporting.
    play_(reinterpret_cast<LPCWSTR>(wave.data()), nullptr,
          SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace vorn::runtime
