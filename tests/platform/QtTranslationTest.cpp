#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <filesystem>

#include "support/GuiApp.h"
#include "platform/QtTranslation.h"

namespace {

TEST(QtTranslation, QtsDialogsSpeakJapaneseWhereTheTranslationIsInstalled) {
  const std::filesystem::path file =
      std::filesystem::path(QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()) / "qtbase_ja.qm";
  QTranslator* translator = platform::InstallQtJapanese(*QCoreApplication::instance());
  if (!std::filesystem::exists(file)) {
    // Without the package the program starts in English dialogs.
    EXPECT_EQ(translator, nullptr);
    GTEST_SKIP() << file << " is not installed";
  }
  ASSERT_NE(translator, nullptr);
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QString::fromUtf8("アドレス:"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("キャンセル"));
  QCoreApplication::removeTranslator(translator);
  delete translator;
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

}  // namespace
