#include "platform/PictureGraphic.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>

#include "platform/PictureErrors.h"

void TGraphic::SetTransparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  Changed();
}

void TGraphic::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EPictureFileError("Cannot open file \"" + fileName.toStdString() + "\"");
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const QString& fileName) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly))
    throw EPictureFileError("Cannot create file \"" + fileName.toStdString() + "\"");
  SaveToStream(file);  // on an exception the temporary file is removed unrenamed
  if (!file.commit())
    throw EPictureFileError("Cannot write file \"" + fileName.toStdString() + "\"");
}

void TGraphic::Assign(const TGraphic& source) {
  if (&source == this) return;
  if (!source.AssignTo(*this))
    throw EInvalidGraphic(std::string("Cannot assign a ") + source.ClassName() + " to a " +
                          ClassName());
}

bool TGraphic::AssignTo(TGraphic&) const { return false; }

void TGraphic::Draw(QPainter& painter, const QRect& rect) const {
  if (Empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect, Image());
  painter.restore();
}

void TGraphic::Changed() {
  if (OnChange) OnChange();
}
