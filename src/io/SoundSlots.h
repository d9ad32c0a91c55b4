#pragma once
// Playing and saving the sounds of the ten slots (see WaveSynthesis.h for making them),
// and the navigator's sound commands. Playing returns at once while the sound goes on;
// a new sound replaces the one playing. The sound output keeps its own copy of the
// samples, so a slot may be filled anew or freed while it plays.
#include <filesystem>
#include <string>

namespace platform {
class Dialogs;
class SoundOut;
}  // namespace platform

// The program's sound output and the dialogs the commands ask through; nullptr for
// either leaves the sounds silent or the commands without dialogs.
void SetSoundServices(platform::SoundOut* out, platform::Dialogs* dialogs);

enum class SoundPlay { Played, EmptySlot, NoDevice };
// Plays the slot's sound; an empty slot (or a slot outside 1..10) does nothing. A sound
// that cannot be played (no sound device) fails silently, so a macro's run goes on.
SoundPlay PlaySoundSlot(int slot);
// Writes the slot's WAV image as it stands. The file is replaced only when every byte was
// written; false with a message (UTF-8) otherwise, or for an empty slot.
bool SaveSoundSlot(int slot, const std::filesystem::path& file, std::string& error);

// True when the slot (1..10) holds a sound; the navigator shows the play and save items
// of those slots only.
bool SoundSlotHoldsSound(int slot);

// The navigator's "音を鳴らす" item n: plays the slot; the first time a sound cannot be
// played (since the services were set) the user is told so.
void PlaySoundCommand(int slot);
// The navigator's "音の保存" item n: asks for the name ("保存するファイル名の設定",
// "wav|*.wav", starting in the demo folder) and saves; a failure is shown.
void SaveSoundCommand(int slot);
