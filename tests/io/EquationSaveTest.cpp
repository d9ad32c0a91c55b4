// Saving as a command: the dialog, the files on disk, the background picture beside the
// file, and what a failed save leaves.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

#include "FakeFileHost.h"
#include "SampleDocuments.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"
#include "support/FakeDialogs.h"

namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class EquationSaveTest : public FileHostTest {
 protected:
  void SetUp() override {
    FileHostTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    folder = dir.path().toStdString();
    sample::BuildPlaneDocument(host);
  }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
  }
  QTemporaryDir dir;
  std::filesystem::path folder;
};

TEST_F(EquationSaveTest, WritesTheFileAndTakesItsName) {
  const std::filesystem::path file = folder / "doc.lpw";
  const EquationFileResult result = SaveEquationFileAs(file, kStartAfterImages);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(FileBytes(file), WriteEquationFile(kStartAfterImages));
  EXPECT_EQ(settings.CurrentFileName, file.string());
  EXPECT_EQ(host.caption, file);
  EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file stays behind
}

TEST_F(EquationSaveTest, AFailedSaveLeavesThePreviousFilesAndTheName) {
  const std::filesystem::path file = folder / "doc.lpw";
  std::ofstream(file, std::ios::binary) << "previous";
  settings.CurrentFileName = "/d/earlier.lpw";
  // The picture cannot replace a folder of its name, so nothing may be replaced.
  std::filesystem::create_directory(folder / "doc.jpg");
  settings.BackgroundShown = 1;
  host.picture = QImage(8, 8, QImage::Format_RGB32);
  host.picture.fill(Qt::red);
  const EquationFileResult result = SaveEquationFileAs(file, kStartPlain);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("doc.jpg"), std::string::npos) << result.message;
  EXPECT_EQ(FileBytes(file), "previous");
  EXPECT_EQ(settings.CurrentFileName, "/d/earlier.lpw");
  EXPECT_FALSE(host.Called("SetCaptionFileName"));
  EXPECT_EQ(FilesInFolder(), 2u);

  const EquationFileResult noFolder = SaveEquationFileAs(folder / "missing" / "doc.lpw", kStartPlain);
  EXPECT_FALSE(noFolder.ok);
  EXPECT_EQ(settings.CurrentFileName, "/d/earlier.lpw");
}

TEST_F(EquationSaveTest, TheBackgroundPictureTravelsBesideTheFile) {
  const std::filesystem::path file = folder / "pic.lpw";
  settings.BackgroundShown = 1;
  host.picture = QImage(16, 12, QImage::Format_RGB32);
  host.picture.fill(Qt::blue);
  ASSERT_TRUE(SaveEquationFileAs(file, kStartPlain).ok);
  const std::string jpeg = FileBytes(folder / "pic.jpg");
  ASSERT_GE(jpeg.size(), 2u);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");

  ResetProgramStateForTest();
  ASSERT_TRUE(LoadEquationFile(file).ok);
  ASSERT_EQ(host.loadedPictures.size(), 1u);
  EXPECT_EQ(host.loadedPictures[0], folder / "pic.jpg");
  EXPECT_EQ(settings.BackgroundShown, 1);

  // Without its picture the document loads without a background.
  std::filesystem::remove(folder / "pic.jpg");
  host.calls.clear();
  const EquationFileResult result = LoadEquationFile(file);
  EXPECT_TRUE(result.ok) << result.message;
  EXPECT_EQ(settings.BackgroundShown, 0);
  EXPECT_TRUE(host.Called("ClearBackgroundPicture"));
  EXPECT_EQ(doc.EntryCount, 14);
}

TEST_F(EquationSaveTest, TheSaveCommandAsksForTheName) {
  platform::FakeDialogs dialogs;
  settings.CurrentFileName = (folder / "named.lpw").string();
  EquationFileResult result = SaveEquationFile(kStartPlain, dialogs);  // cancelled
  EXPECT_TRUE(result.cancelled);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  const platform::FileDialogRequest& request = dialogs.calls[0].file;
  EXPECT_EQ(request.title, "保存する数式ファイル名の設定");
  EXPECT_EQ(request.filter, "数式|*.lpw");
  EXPECT_EQ(request.defaultExtension, ".lpw");
  EXPECT_EQ(request.fileName, "named.lpw");
  EXPECT_EQ(FilesInFolder(), 0u);

  dialogs.fileAnswers.push_back(folder / "chosen.lpw");
  result = SaveEquationFile(kStartPlain, dialogs);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(std::filesystem::exists(folder / "chosen.lpw"));

  dialogs.fileAnswers.push_back(folder / "missing" / "x.lpw");
  result = SaveEquationFile(kStartPlain, dialogs);
  EXPECT_FALSE(result.ok);
  ASSERT_EQ(dialogs.calls.back().kind, platform::FakeDialogs::Kind::Message);
  EXPECT_EQ(dialogs.calls.back().text, result.message);
}

}  // namespace
