#include "ui/TAboutBox1.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "platform/EventPump.h"
#include "platform/FontMap.h"
#include "platform/ProgramIcon.h"
#include "platform/Screen.h"
#include "platform/Sjis.h"
#include "ui/Tlpnavi.h"

std::uint8_t FirstStart = 0;
TAboutBox1* AboutBox1 = nullptr;

namespace {
constexpr int kClientWidth = 313, kClientHeight = 198;
constexpr int kIconSize = 48;

QLabel* AddLabel(QWidget* parent, const char* utf8, const QFont& font, const QColor& color, int top, int height) {
  auto* label = new QLabel(QString::fromUtf8(utf8), parent);
  label->setFont(font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, color);
  label->setPalette(pal);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(8, top, kClientWidth - 16, height);
  return label;
}
}  // namespace

TAboutBox1::TAboutBox1(const platform::Screen& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(pal);
  auto* panel = new QLabel(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setGeometry(8, 8, kClientWidth - 16, kClientHeight - 16);

  QFont title(gfx::FontFamilyFor("Times New Roman"), 26);
  title.setBold(true);
  title.setItalic(true);
  const QFont plain(gfx::FontFamilyFor(sj("ＭＳ Ｐゴシック")), 11);
  const QColor teal(0x00, 0x80, 0x80);
  AddLabel(this, "Lumenplotter", title, Qt::black, 22, 44);
  AddLabel(this, "ver 6.30", plain, Qt::black, 70, 20);
  AddLabel(this, "for Linux", plain, Qt::black, 92, 20);
  AddLabel(this, "関数グラフ・平面・空間", plain, teal, 124, 22);
  AddLabel(this, "シミュレーション", plain, teal, 150, 22);
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setPixmap(platform::ProgramIcon().pixmap(kIconSize, kIconSize));
  icon->setGeometry(24, 70, kIconSize, kIconSize);

  const platform::ScreenRect area = screen.geometry();
  move(area.left + (area.width - kClientWidth) / 2, area.top + (area.height - kClientHeight) / 2);

  if (!FirstStart) return;
  FirstStart = 0;
  show();
  // Paints the splash; the user's clicks wait until the windows exist.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  lpnavi = new Tlpnavi(screen);
}

void TAboutBox1::mousePressEvent(QMouseEvent* event) { event->accept(); }

// A click anywhere on the window (its labels pass the mouse on) closes it.
void TAboutBox1::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  close();
}

void FreeAboutBox() {
  delete AboutBox1;
  AboutBox1 = nullptr;
}

void ShowVersionWindow(const platform::Screen& screen) {
  TAboutBox1 box(screen, QApplication::activeWindow());
  platform::NestedLoopScope modal;
  box.exec();
}
