#include "ui/GraphToolStrip.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

#include "ui/StartupLayout.h"

namespace {
constexpr const char* kPlaneOnly[] = {"xlarge", "xsmall", "ylarge", "ysmall", "hiritu1", "dragshiftBT", "contBT"};
constexpr const char* kSpaceOnly[] = {"Rightup", "rightdown", "nearBT", "farBT"};
constexpr const char* kArrows[] = {"gleft", "gright", "gup", "gdown"};
constexpr const char* kLineWidths[] = {"emphates", "emphatem", "emphatel"};
constexpr int kButtonHeight = kToolStripHeight - 4;
}  // namespace

GraphToolStrip::GraphToolStrip(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  Add("glarge", "拡大", "拡大", 36);
  Add("gsmall", "縮小", "縮小", 36);
  Add("origi", "O", "標準に戻す", 24);
  Add("hiritu1", "1:1", "縦横の比率を１：１にする", 30);
  Add("dragshiftBT", "移動", "画面をドラッグ移動", 36)->setCheckable(true);
  const Qt::ArrowType arrows[] = {Qt::LeftArrow, Qt::RightArrow, Qt::UpArrow, Qt::DownArrow};
  for (int i = 0; i < 4; ++i) Add(kArrows[i], "", "", 22)->setArrowType(arrows[i]);
  Add("xlarge", "x+", "横方向の拡大", 26);
  Add("xsmall", "x-", "横方向の縮小", 26);
  Add("ylarge", "y+", "縦方向の拡大", 26);
  Add("ysmall", "y-", "縦方向の縮小", 26);
  Add("Rightup", "明", "色を明るくする", 26);
  Add("rightdown", "暗", "色を暗くする", 26);
  Add("nearBT", "近", "視点を近づける", 26);
  Add("farBT", "遠", "視点を遠くする", 26);
  Add("contBT", "navi表示", "navi表示", 64);
  auto* widths = new QButtonGroup(this);
  widths->setExclusive(true);
  for (const char* name : kLineWidths) {
    const char* caption = name == kLineWidths[0] ? "標準" : name == kLineWidths[1] ? "強調１" : "強調２";
    QToolButton* b = Add(name, caption, caption, 44);
    b->setCheckable(true);
    widths->addButton(b);
  }
  Add("hlpBt", "?", "", 22);
  row->addStretch(1);
  setFixedHeight(kToolStripHeight);
}

QToolButton* GraphToolStrip::Add(const std::string& name, const char* caption, const char* hint, int width) {
  auto* b = new QToolButton(this);
  b->setObjectName(QString::fromStdString(name));
  b->setText(QString::fromUtf8(caption));
  b->setToolTip(QString::fromUtf8(hint));
  b->setAutoRaise(false);
  b->setFixedSize(width, kButtonHeight);
  layout()->addWidget(b);
  buttons_[name] = b;
  return b;
}

QToolButton* GraphToolStrip::Button(const std::string& name) const {
  const auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void GraphToolStrip::SetSpaceControls(bool space) {
  for (const char* name : kPlaneOnly) Button(name)->setVisible(!space);
  for (const char* name : kSpaceOnly) Button(name)->setVisible(space);
}

void GraphToolStrip::SetArrowHints(const std::string (&hints)[4]) {
  for (int i = 0; i < 4; ++i) Button(kArrows[i])->setToolTip(QString::fromUtf8(hints[i]));
}

void GraphToolStrip::PressLineWidth(int setting) {
  if (setting >= 1 && setting <= 3) Button(kLineWidths[setting - 1])->setChecked(true);
}
