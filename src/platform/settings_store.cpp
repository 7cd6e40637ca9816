#include "settings_store.h"

#include <QSettings>

namespace zupel {

std::optional<std::string> SettingsStore::read(const std::string& key) const {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel");
    if (settings.status() != QSettings::NoError) return std::nullopt;
    settings.beginGroup("setting");
    const QVariant value = settings.value(QString::fromStdString(key));
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

}  // namespace zupel
