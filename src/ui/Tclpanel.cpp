#include "ui/Tclpanel.h"

#include <QApplication>
#include <QPushButton>
#include <QToolTip>

#include "formula/DocumentState.h"
#include "platform/Color.h"
#include "platform/EventPump.h"
#include "platform/KeepOnScreen.h"
#include "ui/CanvasView.h"
#include "ui/PaletteModel.h"
#include "ui/PalettePainter.h"

namespace {
constexpr int kInset = 6, kButtonHeight = 26, kButtonWidth = 80;
}

Tclpanel::Tclpanel(QWidget* parent) : QDialog(parent) {
  view_ = new CanvasView(this);
  view_->move(kInset, kInset);
  ok_ = new QPushButton(QString::fromUtf8("OK"), this);
  cancel_ = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
  for (QPushButton* b : {ok_, cancel_}) {
    b->setAutoDefault(false);
    b->setFont(QFont(QStringLiteral("IPAPGothic"), 10));
  }
  connect(ok_, &QPushButton::clicked, this, [this] {
    clpanel.Ok();
    Finish(true);
  });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

  view_->pressed = [this](int x, int y) {
    if (clpanel.MouseDown(x, y) != PaletteModel::Outcome::None) Redraw();
  };
  view_->released = [this](int x, int y) {
    switch (clpanel.MouseUp(x, y)) {
      case PaletteModel::Outcome::InsertLetter:
        if (letterPicked) letterPicked(clpanel.LetterToInsert());
        break;
      case PaletteModel::Outcome::Close:
        Redraw();
        Finish(true);
        break;
      case PaletteModel::Outcome::Redraw: Redraw(); break;
      case PaletteModel::Outcome::None: break;
    }
  };
  view_->moved = [this](int x, int y) {
    const int tool = clpanel.ShowsTools() ? clpanel.ToolAt(x, y) : 0;
    view_->setToolTip(tool ? QString::fromUtf8(ToolButtonCaption(tool)) : QString());
  };
}

void Tclpanel::Prepare() {
  finished_ = false;
  clpanel.Show();
  setWindowTitle(QString::fromUtf8(clpanel.Caption()));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor::fromRgb(gfx::ToArgb(clpanel.FrameColor)));
  setPalette(pal);
  setAutoFillBackground(true);
  const gfx::Point size = ClpanelPictureSize(clpanel);
  picture_.Resize(size.x, size.y, gfx::kBtnFace);
  Redraw();
  const bool okShown = clpanel.OkVisible();
  ok_->setVisible(okShown);
  const int buttonsTop = kInset + size.y + kInset;
  const int width = size.x + 2 * kInset;
  cancel_->setGeometry(width - kInset - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
  ok_->setGeometry(width - 2 * (kInset + kButtonWidth), buttonsTop, kButtonWidth, kButtonHeight);
  setFixedSize(width, buttonsTop + kButtonHeight + kInset);
}

void Tclpanel::Redraw() {
  DrawClpanel(picture_, clpanel);
  setWindowTitle(QString::fromUtf8(clpanel.Caption()));
  view_->SetPicture(picture_.Image());
}

void Tclpanel::Finish(bool accepted) {
  finished_ = true;
  if (accepted) accept();
  else QDialog::reject();
}

void Tclpanel::reject() {
  if (!finished_) clpanel.Cancel();
  Finish(false);
}

void ShowClpanelModal(int left, int top) {
  ShowClpanelPlaced([left, top](QSize) { return QPoint(left, top); });
}

void ShowClpanelPlaced(const std::function<QPoint(QSize size)>& place) {
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
  Tclpanel panel(parent);
  panel.Prepare();
  const QPoint corner = place(panel.frameGeometry().size());
  platform::PlaceOnScreen(panel, corner.x(), corner.y());
  panel.exec();
}

int PickNewPointName(int preset, const std::function<QPoint(QSize size)>& place) {
  MarkUsedPointNames(1, 0, doc.EntryCount);
  clpanel.ClpanelMode = 3;
  clpanel.ClpanelResult = static_cast<std::uint8_t>(preset);
  {
    platform::NestedLoopScope modal;
    ShowClpanelPlaced(place);
  }
  // A picker closed without a choice leaves no result.
  return clpanel.ClpanelResult;
}
