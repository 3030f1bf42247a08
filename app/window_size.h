// The calculator window's size, kept in the settings from one run to the
// next.
#pragma once

#include <QSize>

namespace tallimo {

class SettingsStore;

// The size the window had when last closed; empty when none was kept or
// what was kept is not a size.
QSize KeptWindowSize(const SettingsStore& settings);
// A store that cannot be written only loses the size.
void KeepWindowSize(SettingsStore& settings, QSize size);

}  // namespace tallimo
