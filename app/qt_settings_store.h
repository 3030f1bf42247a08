// The settings store on the desktop: Qt's settings in the native format for
// the user, under the application name "Kestrone App Tallimo" (on Linux the
// file "Kestrone App Tallimo.conf" of the user's configuration folder).
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <utility>

#include "appearance/settings_store.h"

namespace tallimo {

class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::optional<std::string> Read(std::string_view group, std::string_view key) const override;
    void Write(std::string_view group, std::string_view key, std::string_view value) override;
    // Writes the file now. When it cannot be written, the values written
    // since the last commit are put back as they were, so that neither this
    // run nor the file shows what was not kept.
    bool Commit() override;

    QString FileName() const { return settings_->fileName(); }

  private:
    std::unique_ptr<QSettings> settings_;
    // The value each key had before its first write since the last commit
    // (an invalid value: none).
    std::map<QString, QVariant> before_;
};

}  // namespace tallimo
