#include "render/MetafileRecording.h"

#include "formula/DocumentState.h"

MetafileRecording::MetafileRecording(gfx::Canvas& picture)
    : drawTo_(settings.DrawToMetafile), canvas_(settings.MetafileCanvas) {
  settings.MetafileCanvas = &picture;
  settings.DrawToMetafile = 1;
}

MetafileRecording::~MetafileRecording() {
  settings.DrawToMetafile = drawTo_;
  settings.MetafileCanvas = canvas_;
}
