#include "io/SoundSlots.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

#include "formula/DocumentState.h"
#include "io/EquationFileHost.h"
#include "platform/Dialogs.h"
#include "platform/SoundOut.h"

namespace {

platform::SoundOut* soundOut = nullptr;
platform::Dialogs* soundDialogs = nullptr;
// The user has been told that sounds cannot be played: once is enough.
bool noDeviceReported = false;

constexpr const char* kNoDevice = "音を鳴らせません。音声の出力装置が見つかりません。";

}  // namespace

void SetSoundServices(platform::SoundOut* out, platform::Dialogs* dialogs) {
  soundOut = out;
  soundDialogs = dialogs;
  noDeviceReported = false;
}

bool SoundSlotHoldsSound(int slot) {
  return slot >= 1 && slot <= kSoundSlots && doc.SoundPresent[slot] && !doc.SoundStreams[slot].empty();
}

SoundPlay PlaySoundSlot(int slot) {
  if (!SoundSlotHoldsSound(slot)) return SoundPlay::EmptySlot;
  if (soundOut && soundOut->play(doc.SoundStreams[slot])) return SoundPlay::Played;
  return SoundPlay::NoDevice;
}

bool SaveSoundSlot(int slot, const std::filesystem::path& file, std::string& error) {
  const std::string name = file.filename().string();
  if (!SoundSlotHoldsSound(slot)) {
    error = "音データ" + std::to_string(slot) + " は空です";
    return false;
  }
  const std::vector<uint8_t>& image = doc.SoundStreams[slot];
  QSaveFile out(QFile::decodeName(file.native().c_str()));
  if (!out.open(QIODevice::WriteOnly)) {
    error = name + " を作成できません";
    return false;
  }
  const auto size = static_cast<qint64>(image.size());
  if (out.write(reinterpret_cast<const char*>(image.data()), size) != size || !out.commit()) {
    out.cancelWriting();
    error = name + " に書き込めません";
    return false;
  }
  return true;
}

void PlaySoundCommand(int slot) {
  if (PlaySoundSlot(slot) != SoundPlay::NoDevice || noDeviceReported) return;
  noDeviceReported = true;
  if (soundDialogs) soundDialogs->showMessage(kNoDevice);
}

void SaveSoundCommand(int slot) {
  if (!soundDialogs || !SoundSlotHoldsSound(slot)) return;
  platform::FileDialogRequest request;
  request.title = "保存するファイル名の設定";
  request.filter = "wav|*.wav";
  request.defaultExtension = ".wav";
  request.folder = FileHost().DemoFolder();
  const std::optional<std::filesystem::path> file = soundDialogs->saveFile(request);
  if (!file) return;
  std::string error;
  if (!SaveSoundSlot(slot, *file, error)) soundDialogs->showMessage("音を保存できませんでした。" + error);
}
