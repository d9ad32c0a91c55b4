#pragma once
// The print settings window ("印刷設定"): where the graph goes on the page and how large,
// the title with its position and font, the region density, the colour mode, the
// thickness of grid and region lines, the number of copies and the frame, with a preview
// of the page; "開始" prints, "中止" closes, "プリンタの設定" chooses the printer and
// paper. The logic is PrintSettingsModel's; the window shows its values.
#include <QDialog>

#include "io/PrintSettingsModel.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
namespace platform {
class Dialogs;
class PrinterService;
}  // namespace platform

class Tprinnavi : public QDialog {
 public:
  Tprinnavi(platform::PrinterService& printer, platform::Dialogs& dialogs, QWidget* parent = nullptr);

  PrintSettingsModel& Model() { return model_; }

  // The controls by the names the tests and the model use.
  QSpinBox* Psize() const { return psize_; }
  QSpinBox* gamenleft() const { return gamenleft_; }
  QSpinBox* gamentop() const { return gamentop_; }
  QSpinBox* Titleleft() const { return titleleft_; }
  QSpinBox* TitleTop() const { return titletop_; }
  QSpinBox* maisuu() const { return maisuu_; }
  QLineEdit* title() const { return title_; }
  QCheckBox* wakuCheck() const { return waku_; }
  QButtonGroup* rangedensity() const { return rangedensity_; }
  QButtonGroup* printcolor() const { return printcolor_; }
  QButtonGroup* subseg() const { return subseg_; }
  QLabel* paper() const { return paper_; }
  QLabel* prnsize() const { return prnsize_; }
  QLabel* phlabel() const { return phlabel_; }
  QLabel* Image1() const { return image1_; }
  QPushButton* prnexe() const { return prnexe_; }
  QPushButton* chancel() const { return chancel_; }
  QPushButton* prinsetup() const { return prinsetup_; }
  QPushButton* Button4() const { return button4_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One builder per group of controls, in the order the controls are made.
  void BuildControls();
  QGroupBox* BuildPaperBox();
  QGroupBox* BuildPictureBox();
  QGroupBox* BuildTitleBox();
  QHBoxLayout* BuildCopiesRow();
  QHBoxLayout* BuildPreviewAndButtons();
  void ConnectSettings();
  void ConnectButtons();
  // Controls and preview from the model, without their change handlers running.
  void Sync();
  void prnexeClick();

  PrintSettingsModel model_;
  platform::PrinterService& printer_;
  platform::Dialogs& dialogs_;
  bool syncing_ = false;
  QLabel* paper_ = nullptr;
  QLabel* prnsize_ = nullptr;
  QSpinBox* psize_ = nullptr;
  QLabel* phlabel_ = nullptr;
  QSpinBox* gamenleft_ = nullptr;
  QSpinBox* gamentop_ = nullptr;
  QLineEdit* title_ = nullptr;
  QSpinBox* titleleft_ = nullptr;
  QSpinBox* titletop_ = nullptr;
  QPushButton* button4_ = nullptr;
  QButtonGroup* rangedensity_ = nullptr;
  QButtonGroup* printcolor_ = nullptr;
  QButtonGroup* subseg_ = nullptr;
  QSpinBox* maisuu_ = nullptr;
  QCheckBox* waku_ = nullptr;
  QPushButton* prnexe_ = nullptr;
  QPushButton* chancel_ = nullptr;
  QPushButton* prinsetup_ = nullptr;
  QLabel* image1_ = nullptr;
};

// The printer and the dialogs the print command works with; nullptr for either leaves
// the command doing nothing.
void SetPrintServices(platform::PrinterService* printer, platform::Dialogs* dialogs);
// The navigator's print command: the print settings window, shown modally.
void ShowPrintSettings();
