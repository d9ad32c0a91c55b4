#include "ui/EntryFormHost.h"

namespace {
EntryFormHost noHost;
EntryFormHost* installed = nullptr;
}  // namespace

EntryFormHost& EntryHost() { return installed ? *installed : noHost; }

void SetEntryFormHost(EntryFormHost* host) { installed = host; }
