#pragma once
// Sounds made from formulas: a formula in x (the time in seconds) sampled into one of the
// ten sound slots as a WAV image, 16-bit mono PCM at 22050 samples per second. A slot is
// filled anew or extended at its end. The slots live in the document state
// (doc.SoundStreams, doc.SoundPresent).
#include <array>
#include <cstdint>
#include <string>

#include "formula/Tfrec.h"

inline constexpr uint32_t kWaveRate = 22050;
inline constexpr size_t kWaveHeaderSize = 44;
// A sample is the formula's value times this, rounded.
inline constexpr int kWaveAmplitude = 3000;
// Ten minutes per slot: longer sounds are refused (the sizes in the header are 32-bit, and
// a slot is kept in memory whole).
inline constexpr uint32_t kMaxWaveSamples = 600 * kWaveRate;

using WaveHeader = std::array<uint8_t, kWaveHeaderSize>;

// The 44-byte header of a WAV image of sampleCount 16-bit mono samples.
void WriteWaveHeader(uint32_t sampleCount, uint32_t rate, WaveHeader& header);

// Samples the formula for `seconds` into the slot: anew (append 0) or at the end of the
// sound the slot holds (append 1; an empty slot is filled anew). Sample i is the value at
// x = i/22050 (y = z = 0) times 3000, rounded, its low 16 bits kept; a sample whose value
// cannot be computed is 0, and the last three samples are 0. The caller keeps its tree.
// False, with no slot changed, for a slot outside 1..10, a duration that is not positive
// or that would make the slot's sound longer than ten minutes.
bool MakeWave(const Tfrec* tree, int append, int slot, float seconds);
// The same for a formula text (CP932); false too when the text is no formula.
bool MakeWaveFromText(const std::string& formula, int append, int slot, float seconds);
