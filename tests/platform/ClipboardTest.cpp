#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "support/GuiApp.h"
#include "platform/Clipboard.h"

namespace {

TEST(QtClipboardTest, HoldsACopyOfThePicture) {
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setPixel(5, 7, qRgb(255, 0, 0));
  platform::QtClipboard clipboard;
  clipboard.setImage(picture);
  picture.fill(Qt::black);  // the clipboard kept its own copy

  const QImage held = QGuiApplication::clipboard()->image();
  ASSERT_EQ(held.size(), QSize(40, 30));
  EXPECT_EQ(held.pixel(5, 7) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(held.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(QtClipboardTest, HoldsText) {
  platform::QtClipboard clipboard;
  clipboard.setText("sub 動く() #1\nend sub");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("sub 動く() #1\nend sub"));
}

}  // namespace
