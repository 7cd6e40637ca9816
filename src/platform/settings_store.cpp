#include "settings_store.h"

#include <QSettings>
#include <memory>

namespace zupel {
namespace {

// Start-up and the redecorating dialog must meet in the same store.
std::unique_ptr<QSettings> openStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "zupel",
                                       "zupel");
}

}  // namespace

std::optional<std::string> SettingsStore::read(const std::string& key) const {
    const auto settings = openStore();
    if (settings->status() != QSettings::NoError) return std::nullopt;
    settings->beginGroup("setting");
    const QVariant value = settings->value(QString::fromStdString(key));
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

bool SettingsStore::write(const std::string& key, const std::string& value) {
    const auto settings = openStore();
    settings->beginGroup("setting");
    settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings->endGroup();
    // Written now, not when the game ends: freezing or quitting leaves without Qt's clean-up.
    settings->sync();
    return settings->status() == QSettings::NoError;
}

std::string SettingsStore::location() const {
    return openStore()->fileName().toStdString();
}

}  // namespace zupel
