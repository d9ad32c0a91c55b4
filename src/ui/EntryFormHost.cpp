#include "ui/EntryFormHost.h"

#include "platform/InstalledHost.h"

namespace {
InstalledHost<EntryFormHost> host;
}  // namespace

EntryFormHost& EntryHost() { return host.Get(); }

void SetEntryFormHost(EntryFormHost* installed) { host.Install(installed); }
