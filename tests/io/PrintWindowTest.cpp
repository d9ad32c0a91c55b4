// The print settings window on a recording printer: its controls show the settings,
// refuse what does not fit, and "開始" prints and closes the window.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "PrintFixture.h"
#include "io/Tprinnavi.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinterService.h"

namespace {

class PrintWindowTest : public PrintTest {
 protected:
  platform::FakePrinterService printer;
  platform::FakeDialogs dialogs;
};

TEST_F(PrintWindowTest, ControlsFollowTheSettingsAndStartPrints) {
  Tprinnavi window(printer, dialogs);
  window.show();
  EXPECT_EQ(window.windowTitle(), "印刷設定");
  EXPECT_EQ(window.paper()->text(), "A4 縦");
  EXPECT_EQ(window.Psize()->value(), 4000);  // the first opening's default on A4 at 600 dpi
  EXPECT_EQ(window.Psize()->minimum(), 500);
  EXPECT_EQ(window.phlabel()->text(), "×3000ﾋﾟｸｾﾙ");
  EXPECT_EQ(window.gamentop()->value(), 200);
  EXPECT_TRUE(window.wakuCheck()->isChecked());
  EXPECT_TRUE(window.rangedensity()->button(1)->isChecked());
  ASSERT_FALSE(window.Image1()->pixmap().isNull());

  // 4000 wide from x = 1000 leaves the page: the box goes back.
  window.gamenleft()->setValue(1000);
  EXPECT_EQ(window.gamenleft()->value(), 0);
  window.Psize()->setValue(2000);
  window.gamenleft()->setValue(1000);
  EXPECT_EQ(window.gamenleft()->value(), 1000);
  EXPECT_EQ(window.phlabel()->text(), "×1500ﾋﾟｸｾﾙ");

  window.maisuu()->setValue(2);
  window.title()->setText("Title");
  window.wakuCheck()->setChecked(false);
  window.printcolor()->button(2)->click();
  window.prnexe()->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(printer.pagesPrinted(), 2);
  EXPECT_EQ(modes.OutputColorMode, 0);  // the screen keeps its colours
  EXPECT_EQ(settings.PrintSettings.ColorMode, 2);  // the next print starts from this one
  EXPECT_EQ(settings.PrintSettings.Frame, 0);
  const auto& picture = printer.ops.at(1);
  EXPECT_EQ((std::array{picture.x, picture.y, picture.width, picture.height}), (std::array{1000, 200, 2000, 1500}));
}

// A second print into a file asks again, starting from the first file (the save dialog
// asks before replacing it); cancelling prints nothing and leaves the window open.
TEST_F(PrintWindowTest, EveryPrintIntoAFileAsksForTheFile) {
  printer.toFile = true;
  dialogs.fileAnswers = {std::filesystem::path("/out/first.pdf")};
  {
    Tprinnavi first(printer, dialogs);
    first.show();
    first.prnexe()->click();
  }
  EXPECT_EQ(printer.pagesPrinted(), 1);
  EXPECT_EQ(printer.pdfFile, "/out/first.pdf");

  Tprinnavi second(printer, dialogs);
  second.show();
  second.maisuu()->setValue(2);
  second.prnexe()->click();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].kind, platform::FakeDialogs::Kind::SaveFile);
  EXPECT_EQ(dialogs.calls[1].file.folder, "/out");
  EXPECT_EQ(dialogs.calls[1].file.fileName, "first.pdf");
  EXPECT_EQ(printer.pagesPrinted(), 1);
  EXPECT_TRUE(second.isVisible());

  dialogs.fileAnswers = {std::filesystem::path("/out/second.pdf")};
  second.prnexe()->click();
  EXPECT_EQ(printer.pagesPrinted(), 3);
  EXPECT_EQ(printer.pdfFile, "/out/second.pdf");
  EXPECT_FALSE(second.isVisible());
}

}  // namespace
