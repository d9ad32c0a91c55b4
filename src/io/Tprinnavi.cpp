#include "io/Tprinnavi.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

#include "platform/EventPump.h"
#include "platform/SjisQt.h"

namespace {

platform::PrinterService* printService = nullptr;
platform::Dialogs* printDialogs = nullptr;

QString Utf8(const std::string& s) { return QString::fromStdString(s); }
QString Utf8(const char* s) { return QString::fromUtf8(s); }

QSpinBox* MakeSpin(const char* name, int step) {
  auto* spin = new QSpinBox;
  spin->setObjectName(Utf8(name));
  spin->setSingleStep(step);
  spin->setMaximum(100000);
  // A typed number counts when it is complete (Enter or leaving the box), not per digit.
  spin->setKeyboardTracking(false);
  return spin;
}

// A titled group of radio buttons side by side, numbered from 0.
QButtonGroup* MakeRadioGroup(QWidget* owner, const char* caption, std::initializer_list<const char*> items,
                             QGroupBox*& box) {
  box = new QGroupBox(Utf8(caption));
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  int id = 0;
  for (const char* item : items) {
    auto* button = new QRadioButton(Utf8(item));
    group->addButton(button, id++);
    row->addWidget(button);
  }
  return group;
}

void SetSpin(QSpinBox* spin, int lo, int hi, int value) {
  spin->setRange(lo, std::max(lo, hi));
  spin->setValue(value);
}

}  // namespace

Tprinnavi::Tprinnavi(platform::PrinterService& printer, platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      model_(printer),
      printer_(printer),
      dialogs_(dialogs) {
  setWindowTitle(Utf8("印刷設定"));
  BuildControls();
  model_.FormCreate();
}

void Tprinnavi::BuildControls() {
  QGroupBox* paperBox = BuildPaperBox();
  QGroupBox* pictureBox = BuildPictureBox();
  QGroupBox* titleBox = BuildTitleBox();
  QGroupBox *densityBox, *colorBox, *thicknessBox;
  rangedensity_ = MakeRadioGroup(this, "領域密度", {"粗", "普", "密"}, densityBox);
  printcolor_ = MakeRadioGroup(this, "色設定", {"ｶﾗｰ", "ｸﾞﾚｰ", "白黒"}, colorBox);
  subseg_ = MakeRadioGroup(this, "格子・領域の太さ", {"１", "２", "３"}, thicknessBox);
  QHBoxLayout* copiesRow = BuildCopiesRow();
  QHBoxLayout* buttons = BuildPreviewAndButtons();

  auto* left = new QVBoxLayout;
  left->addWidget(paperBox);
  left->addWidget(pictureBox);
  left->addWidget(titleBox);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(densityBox);
  middle->addWidget(colorBox);
  middle->addWidget(thicknessBox);
  middle->addLayout(copiesRow);
  middle->addWidget(waku_);
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(image1_);
  right->addWidget(prinsetup_);
  right->addLayout(buttons);
  right->addStretch();
  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  columns->setSizeConstraint(QLayout::SetFixedSize);

  ConnectSettings();
  ConnectButtons();
}

QGroupBox* Tprinnavi::BuildPaperBox() {
  auto* paperBox = new QGroupBox(Utf8("用紙サイズ"));
  auto* paperRows = new QVBoxLayout(paperBox);
  paper_ = new QLabel;
  prnsize_ = new QLabel;
  paperRows->addWidget(paper_);
  paperRows->addWidget(prnsize_);
  return paperBox;
}

QGroupBox* Tprinnavi::BuildPictureBox() {
  auto* pictureBox = new QGroupBox(Utf8("印刷画面"));
  auto* pictureGrid = new QGridLayout(pictureBox);
  psize_ = MakeSpin("Psize", 10);
  phlabel_ = new QLabel;
  phlabel_->setMinimumWidth(phlabel_->fontMetrics().horizontalAdvance(Utf8("×00000ﾋﾟｸｾﾙ")));
  gamenleft_ = MakeSpin("gamenleft", 10);
  gamentop_ = MakeSpin("gamentop", 10);
  pictureGrid->addWidget(new QLabel(Utf8("サイズ")), 0, 0);
  pictureGrid->addWidget(psize_, 0, 1);
  pictureGrid->addWidget(phlabel_, 0, 2);
  pictureGrid->addWidget(new QLabel(Utf8("横位置")), 1, 0);
  pictureGrid->addWidget(gamenleft_, 1, 1);
  pictureGrid->addWidget(new QLabel(Utf8("縦位置")), 2, 0);
  pictureGrid->addWidget(gamentop_, 2, 1);
  return pictureBox;
}

QGroupBox* Tprinnavi::BuildTitleBox() {
  auto* titleBox = new QGroupBox(Utf8("タイトル"));
  auto* titleGrid = new QGridLayout(titleBox);
  title_ = new QLineEdit;
  title_->setObjectName("title");
  titleleft_ = MakeSpin("Titleleft", 10);
  titletop_ = MakeSpin("TitleTop", 10);
  button4_ = new QPushButton(Utf8("フォント"));
  titleGrid->addWidget(title_, 0, 0, 1, 4);
  titleGrid->addWidget(new QLabel(Utf8("横")), 1, 0);
  titleGrid->addWidget(titleleft_, 1, 1);
  titleGrid->addWidget(new QLabel(Utf8("縦")), 1, 2);
  titleGrid->addWidget(titletop_, 1, 3);
  titleGrid->addWidget(button4_, 2, 3);
  return titleBox;
}

QHBoxLayout* Tprinnavi::BuildCopiesRow() {
  maisuu_ = MakeSpin("maisuu", 1);
  maisuu_->setRange(1, kMaxCopies);
  waku_ = new QCheckBox(Utf8("枠付印刷"));
  auto* copiesRow = new QHBoxLayout;
  copiesRow->addWidget(new QLabel(Utf8("印刷枚数")));
  copiesRow->addWidget(maisuu_);
  copiesRow->addStretch();
  return copiesRow;
}

QHBoxLayout* Tprinnavi::BuildPreviewAndButtons() {
  image1_ = new QLabel;
  image1_->setFixedSize(kPreviewSize, kPreviewSize);
  prnexe_ = new QPushButton(Utf8("開始"));
  chancel_ = new QPushButton(Utf8("中止"));
  prinsetup_ = new QPushButton(Utf8("プリンタの設定"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(prnexe_);
  buttons->addWidget(chancel_);
  return buttons;
}

void Tprinnavi::ConnectSettings() {
  auto onSpin = [this](QSpinBox* spin, void (PrintSettingsModel::*handler)(int)) {
    connect(spin, &QSpinBox::valueChanged, this, [this, handler](int v) {
      if (syncing_) return;
      (model_.*handler)(v);
      Sync();
    });
  };
  onSpin(psize_, &PrintSettingsModel::PsizeChange);
  onSpin(gamenleft_, &PrintSettingsModel::gamenleftChange);
  onSpin(gamentop_, &PrintSettingsModel::gamentopChange);
  onSpin(titleleft_, &PrintSettingsModel::TitleleftChange);
  onSpin(titletop_, &PrintSettingsModel::TitleTopChange);
  onSpin(maisuu_, &PrintSettingsModel::maisuuChange);
  auto onRadio = [this](QButtonGroup* group, void (PrintSettingsModel::*handler)(int)) {
    connect(group, &QButtonGroup::idClicked, this, [this, handler](int id) {
      (model_.*handler)(id);
      Sync();
    });
  };
  onRadio(rangedensity_, &PrintSettingsModel::rangedensityClick);
  onRadio(printcolor_, &PrintSettingsModel::printcolorClick);
  onRadio(subseg_, &PrintSettingsModel::subsegClick);
  connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (syncing_) return;
    model_.titleChange(sjis::FromQString(text));
    Sync();
  });
  connect(waku_, &QCheckBox::toggled, this, [this](bool on) {
    if (!syncing_) model_.wakuCheckClick(on);
  });
}

void Tprinnavi::ConnectButtons() {
  connect(button4_, &QPushButton::clicked, this, [this] {
    model_.Button4Click(dialogs_);
    Sync();
  });
  connect(prinsetup_, &QPushButton::clicked, this, [this] {
    model_.prinsetupClick();
    Sync();
  });
  connect(chancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(prnexe_, &QPushButton::clicked, this, [this] { prnexeClick(); });
}

void Tprinnavi::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  model_.FormShow();
  Sync();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

void Tprinnavi::Sync() {
  syncing_ = true;
  const PrintControls& c = model_.Controls();
  paper_->setText(Utf8(c.paper));
  prnsize_->setText(Utf8(c.pageSize));
  phlabel_->setText(Utf8(c.printedHeight));
  SetSpin(psize_, kMinPictureWidth, c.pictureWidthMax, c.pictureWidth);
  SetSpin(gamenleft_, 0, c.leftMax, c.left);
  SetSpin(gamentop_, 0, c.topMax, c.top);
  SetSpin(titleleft_, 0, c.leftMax, c.titleLeft);
  SetSpin(titletop_, 0, c.topMax, c.titleTop);
  maisuu_->setValue(c.copies);
  const QString title = sjis::ToQString(c.title);
  if (title_->text() != title) title_->setText(title);
  rangedensity_->button(c.density)->setChecked(true);
  printcolor_->button(c.colorMode)->setChecked(true);
  subseg_->button(c.thickness)->setChecked(true);
  waku_->setChecked(c.frame);
  image1_->setPixmap(QPixmap::fromImage(model_.Preview().Image()));
  syncing_ = false;
}

void Tprinnavi::prnexeClick() {
  if (!model_.ChooseOutputFile(dialogs_)) return;
  model_.ShowPrinting();
  image1_->setPixmap(QPixmap::fromImage(model_.Preview().Image()));
  // The preview is painted; clicks wait until the job is done.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  RunPrintJob(model_.JobRequest(), printer_, &dialogs_);
  accept();
}

void SetPrintServices(platform::PrinterService* printer, platform::Dialogs* dialogs) {
  printService = printer;
  printDialogs = dialogs;
}

void ShowPrintSettings() {
  if (!printService || !printDialogs) return;
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
  Tprinnavi window(*printService, *printDialogs, parent);
  platform::NestedLoopScope modal;
  window.exec();
}
