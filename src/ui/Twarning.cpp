#include "ui/Twarning.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <iterator>

#include "platform/EventPump.h"
#include "platform/FontMap.h"
#include "platform/Sjis.h"

std::uint8_t WarningAnswer = 0;

namespace {
constexpr const char* kMessages[] = {
    "現在の定義関数が削除されます",
    "現在の定義定数が削除されます",
    "表示式・定義式がすべて削除され,設定が初期化されます",
    "Lumenplotterを終了します",
    "現在の表示式が削除されます",
    "定義式および関連した表示式が全て削除されます",
    "現在のラベルが削除されます",
    "ラベルがすべて削除されます",
    "記号がすべて削除されます",
    "現在の記号が削除されます",
    "残像を消去しますか?",
    "現在の設定を消去して、新しいファイルを呼び込みます。",
    "平面と空間の共通の設定以外は削除して、３Ｄに切り替えます。",
    "平面と空間の共通の設定以外は削除して、２Ｄに切り替えます。",
};
constexpr int kClientWidth = 348, kClientHeight = 79;
}  // namespace

const char* WarningMessage(int code) {
  if (code < 1 || code > static_cast<int>(std::size(kMessages))) return nullptr;
  return kMessages[code - 1];
}

Twarning::Twarning(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(QFont(gfx::FontFamilyFor(sj("ＭＳ Ｐゴシック")), 10));
  setFixedSize(kClientWidth, kClientHeight);
  panel_ = new QLabel(this);
  panel_->setGeometry(1, 1, 345, 33);
  panel_->setAlignment(Qt::AlignCenter);
  panel_->setFrameShape(QFrame::Panel);
  panel_->setFrameShadow(QFrame::Raised);
  yes_ = new QPushButton(QString::fromUtf8("了解 (&Y)"), this);
  no_ = new QPushButton(QString::fromUtf8("取消し (&N)"), this);
  yes_->setGeometry(60, 44, 100, 27);
  no_->setGeometry(188, 44, 100, 27);
  yes_->setObjectName(QStringLiteral("yes"));
  no_->setObjectName(QStringLiteral("NO"));
  connect(yes_, &QPushButton::clicked, this, [this] {
    WarningAnswer = 1;
    accept();
  });
  connect(no_, &QPushButton::clicked, this, [this] {
    WarningAnswer = 0;
    reject();
  });
}

void Twarning::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only the yes button answers yes: a window closed by its title bar or Escape says no.
  WarningAnswer = 0;
  yes_->setVisible(true);
  no_->setVisible(true);
  if (const char* message = WarningMessage(MessageCode)) panel_->setText(QString::fromUtf8(message));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

bool ShowWarning(std::uint8_t code) {
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
  Twarning window(parent);
  window.MessageCode = code;
  platform::NestedLoopScope modal;
  window.exec();
  return WarningAnswer == 1;
}
