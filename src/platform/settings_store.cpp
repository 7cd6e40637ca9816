#include "settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace zupel {
namespace {

// The store as this platform keeps it, or nothing when it cannot be read safely.
std::unique_ptr<QSettings> openForReading() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Here the store is a file, and only an ordinary file is read: a FIFO or a device in its
    // place would stop the game before its window opens. Reading that one file by name also
    // keeps QSettings away from its fall-back files, which could be FIFOs just the same.
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         "/zupel/zupel.conf";
    if (!QFileInfo(file).isFile()) return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "zupel",
                                       "zupel");
#endif
}

}  // namespace

std::optional<std::string> SettingsStore::read(const std::string& key) const {
    const std::unique_ptr<QSettings> settings = openForReading();
    if (!settings || settings->status() != QSettings::NoError) return std::nullopt;
    settings->beginGroup("setting");
    const QVariant value = settings->value(QString::fromStdString(key));
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

}  // namespace zupel
