#include "app/qt_settings_store.h"

#include <QStringList>

#include "platform/shell_basics.h"

namespace tallimo {

namespace {

constexpr char kApplicationName[] = "Kestrone App Tallimo";

std::unique_ptr<QSettings> OpenSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(kApplicationName));
}

QString Path(std::string_view group, std::string_view key) {
    return Utf8(group) + u'/' + Utf8(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore() : settings_(OpenSettings()) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::Read(std::string_view group,
                                                 std::string_view key) const {
    const QVariant value = settings_->value(Path(group, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A text with commas comes back as a list; joined again it is the text
    // that was stored.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    if (!value.canConvert<QString>()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view group, std::string_view key, std::string_view value) {
    const QString path = Path(group, key);
    before_.try_emplace(path, settings_->value(path));
    settings_->setValue(path, Utf8(value));
}

bool QtSettingsStore::Commit() {
    settings_->sync();
    const bool kept = settings_->status() == QSettings::NoError;
    if (!kept) {
        for (const auto& [path, value] : before_) {
            if (value.isValid()) {
                settings_->setValue(path, value);
            } else {
                settings_->remove(path);
            }
        }
        // A failed write leaves its error behind; a new object starts clean
        // and sees the values put back.
        settings_ = OpenSettings();
    }
    before_.clear();
    return kept;
}

}  // namespace tallimo
