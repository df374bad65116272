// The small system services: local time, sound from memory, opening a web page.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/system/local_clock_win.h"
#include "runtime/system/sound_player_win.h"
#include "runtime/system/web_opener_win.h"
#include "mainwindow/program_assets.h"

namespace vorn::runtime {
namespace {

auto Fields(const SYSTEMTIME& time) {
    return std::make_tuple(int{time.wYear}, int{time.wMonth}, int{time.wDay}, int{time.wHour},
                           int{time.wMinute}, int{time.wSecond});
}

auto Fields(const LocalTime& time) {
    return std::make_tuple(time.year, time.month, time.day, time.hour, time.minute, time.second);
}

TEST(LocalClock, ReadsTheLocalTimeFieldByField) {
    SYSTEMTIME before{}, after{};
    LocalClock clock;
    GetLocalTime(&before);
    const LocalTime now = clock.Now();
    GetLocalTime(&after);
    // Between two readings of the system's local time, so a swapped or
    // missing field shows unless the clock turned over a field meanwhile.
    EXPECT_LE(Fields(before), Fields(now));
    EXPECT_LE(Fields(now), Fields(after));
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 59);
}

// --- sound ------------------------------------------------------------------------

using Bytes = std::vector<std::uint8_t>;

void PutLittleEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A RIFF WAVE file: PCM, one channel, 44 100 samples a second, 16 bits, silence.
Bytes SilentWave(std::uint32_t samples) {
    const std::uint32_t dataSize = samples * 2;
    Bytes wave = {'R', 'I', 'F', 'F'};
    PutLittleEndian(wave, 36 + dataSize, 4);
    wave.insert(wave.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittleEndian(wave, 16, 4);
    PutLittleEndian(wave, WAVE_FORMAT_PCM, 2);
    PutLittleEndian(wave, 1, 2);
    PutLittleEndian(wave, 44100, 4);
    PutLittleEndian(wave, 44100 * 2, 4);
    PutLittleEndian(wave, 2, 2);
    PutLittleEndian(wave, 16, 2);
    wave.insert(wave.end(), {'d', 'a', 't', 'a'});
    PutLittleEndian(wave, dataSize, 4);
    wave.resize(wave.size() + dataSize, 0);
    return wave;
}

struct PlayCall {
    LPCWSTR sound;
    HMODULE module;
    DWORD flags;
};

TEST(WaveSoundPlayer, StartsTheBytesFromMemoryWithoutWaitingOrFallingBack) {
    std::vector<PlayCall> calls;
    WaveSoundPlayer player([&](LPCWSTR sound, HMODULE module, DWORD flags) {
        calls.push_back({sound, module, flags});
        return TRUE;
    });
    const Bytes wave = SilentWave(100);
    player.PlayOnce(wave);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(calls[0].sound), wave.data())
        << "played in place, not from a copy that dies with the call";
    EXPECT_EQ(calls[0].module, nullptr);
    EXPECT_EQ(calls[0].flags, static_cast<DWORD>(SND_MEMORY | SND_ASYNC | SND_NODEFAULT));

    player.PlayOnce({});
    EXPECT_EQ(calls.size(), 1u) << "nothing to play, nothing asked of the system";
}

TEST(WaveSoundPlayer, RealPlaybackReturnsWithOrWithoutAnAudioDevice) {
    // Without a device (as under the test runner) the system fails quietly;
    // either way the call returns and a stop request afterwards is accepted.
    const Bytes silence = SilentWave(44100 * 3);
    const Bytes garbage = {'R', 'I', 'F', 'F', 1, 2, 3};
    WaveSoundPlayer player;
    player.PlayOnce(silence);
    player.PlayOnce(garbage);
    player.PlayOnce(mainwindow::AssetBytes(mainwindow::kClickSoundWav));
    EXPECT_TRUE(PlaySoundW(nullptr, nullptr, 0));
}

TEST(WaveSoundPlayer, EmbeddedClickIsAPcmWaveTheSystemCanPlayFromMemory) {
    const auto click = mainwindow::AssetBytes(mainwindow::kClickSoundWav);
    if (click.empty()) GTEST_SKIP() << "the program carries no click sound yet";
    ASSERT_GE(click.size(), 44u);
    EXPECT_EQ(std::memcmp(click.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(click.data() + 8, "WAVEfmt ", 8), 0);
    const auto word = [&](std::size_t at) { return click[at] | (click[at + 1] << 8); };
    EXPECT_EQ(word(20), WAVE_FORMAT_PCM);
    EXPECT_EQ(word(22), 1) << "channels";
    EXPECT_EQ(word(24) | (word(26) << 16), 44100) << "samples a second";
    EXPECT_EQ(word(34), 16) << "bits a sample";
}

// --- web page --------------------------------------------------------------------------

struct ExecuteCall {
    HWND window;
    std::wstring verb, file;
    LPCWSTR parameters, directory;
    INT show;
};

TEST(ShellWebOpener, AsksTheShellToOpenTheAddressShownNormally) {
    std::vector<ExecuteCall> calls;
    ShellWebOpener opener([&](HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                              LPCWSTR directory, INT show) {
        calls.push_back({window, verb ? verb : L"", file ? file : L"", parameters, directory, show});
        return reinterpret_cast<HINSTANCE>(2);  // a failure, which nobody hears of
    });
    opener.Open("https://例子.中国/作者?页=1&b=2");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].window, nullptr);
    EXPECT_EQ(calls[0].verb, L"open");
    EXPECT_EQ(calls[0].file, L"https://例子.中国/作者?页=1&b=2");
    EXPECT_EQ(calls[0].parameters, nullptr);
    EXPECT_EQ(calls[0].directory, nullptr);
    EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);

    opener.Open("");
    EXPECT_EQ(calls.size(), 1u);
}

}  // namespace
}  // namespace vorn::runtime
