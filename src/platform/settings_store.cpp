#include "settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace zupel {
namespace {

// The store's file where the store is a file; empty where it is the registry or a property list.
QString storeFile() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/zupel/zupel.conf";
#else
    return {};
#endif
}

// Start-up and the redecorating dialog meet in this one store. Naming the file keeps QSettings
// away from its fall-back files, which could be FIFOs.
std::unique_ptr<QSettings> openStore() {
    const QString file = storeFile();
    if (file.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "zupel",
                                           "zupel");
    }
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

std::optional<std::string> SettingsStore::read(const std::string& key) const {
    // Only an ordinary file is read: a FIFO or a device in its place would stop the game
    // before its window opens.
    const QString file = storeFile();
    if (!file.isEmpty() && !QFileInfo(file).isFile()) return std::nullopt;
    const std::unique_ptr<QSettings> settings = openStore();
    if (settings->status() != QSettings::NoError) return std::nullopt;
    settings->beginGroup("setting");
    const QVariant value = settings->value(QString::fromStdString(key));
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

bool SettingsStore::write(const std::string& key, const std::string& value) {
    // Writing merges with what the file holds, so anything but an ordinary file (or none yet)
    // in its place is not touched, and the caller hears of it.
    const QString file = storeFile();
    if (!file.isEmpty() && QFileInfo::exists(file) && !QFileInfo(file).isFile()) return false;
    const std::unique_ptr<QSettings> settings = openStore();
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
