#include "settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>

#include "player_folders.h"

namespace zupel {
namespace {

// The store's file where the store is a file; empty where it is the registry.
QString storeFile() {
    const QString folder = playerConfigFolder().forQt;
    return folder.isEmpty() ? folder : folder + "/zupel.conf";
}

// Start-up and the redecorating dialog meet in this one store. Naming the file keeps QSettings
// away from its fall-back files, which could be FIFOs.
std::unique_ptr<QSettings> openStore(const QString& file) {
    if (file.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "zupel",
                                           "zupel");
    }
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

// The value the store holds under `key` in the group "setting"; nullopt when there is none.
std::optional<std::string> valueIn(QSettings& settings, const std::string& key) {
    const QVariant value = settings.value("setting/" + QString::fromStdString(key));
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

}  // namespace

std::optional<std::string> SettingsStore::read(const std::string& key) const {
    // Only an ordinary file is read: a FIFO or a device in its place would stop the game
    // before its window opens.
    const QString file = storeFile();
    if (!file.isEmpty() && !QFileInfo(file).isFile()) return std::nullopt;
    const std::unique_ptr<QSettings> settings = openStore(file);
    if (settings->status() != QSettings::NoError) return std::nullopt;
    return valueIn(*settings, key);
}

bool SettingsStore::write(const std::string& key, const std::string& value) {
    // Writing merges with what the file holds, so anything but an ordinary file (or none yet)
    // in its place is not touched, and the caller hears of it.
    const QString file = storeFile();
    if (!file.isEmpty() && QFileInfo::exists(file) && !QFileInfo(file).isFile()) return false;
    const std::unique_ptr<QSettings> settings = openStore(file);
    settings->setValue("setting/" + QString::fromStdString(key), QString::fromStdString(value));
    // Written now, not when the game ends: freezing or quitting leaves without Qt's clean-up.
    settings->sync();
    if (settings->status() == QSettings::AccessError) return false;
    // Lines the store cannot parse leave a format error behind even when the write went through
    // (the file is written again without them): what counts is whether the value is there now.
    const std::unique_ptr<QSettings> written = openStore(file);
    return valueIn(*written, key) == value;
}

std::string SettingsStore::location() const {
    // Named without opening it: the store reads its file as it opens, and the file may be the
    // FIFO that kept the settings from being written. The folder's own bytes name it, whatever
    // they are.
    const GameFolder folder = playerConfigFolder();
    if (folder.forQt.isEmpty()) return openStore({})->fileName().toStdString();
    return (folder.bytes / "zupel.conf").string();
}

}  // namespace zupel
