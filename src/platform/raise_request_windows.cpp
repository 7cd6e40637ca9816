#include "raise_request.h"

#include <windows.h>

#include <QCryptographicHash>
#include <QString>
#include <QWinEventNotifier>
#include <string>

namespace zupel {
namespace {

// "Local\" keeps the event inside the player's own log-on session.
std::wstring eventName(const std::filesystem::path& saveFolder) {
    const QByteArray key =
        QCryptographicHash::hash(QString::fromStdWString(saveFolder.wstring()).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return L"Local\\zupel-raise-" + QString::fromLatin1(key).toStdWString();
}

}  // namespace

RaiseListener::RaiseListener(const std::filesystem::path& saveFolder,
                             std::function<void()> bringForward) {
    // Auto-reset: each second start is answered once.
    HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, eventName(saveFolder).c_str());
    // Without the event the game still runs; a second start then only ends, as it always did.
    if (event == nullptr) {
        qWarning("zupel: a second start cannot bring this window forward (error %lu)",
                 ::GetLastError());
        return;
    }
    auto* notifier = new QWinEventNotifier(event);
    listener_.reset(notifier);
    QObject::connect(notifier, &QWinEventNotifier::activated,
                     [bringForward](HANDLE) { bringForward(); });
    QObject::connect(notifier, &QObject::destroyed, [event] { ::CloseHandle(event); });
}

bool askRunningCopyToRaise(const std::filesystem::path& saveFolder) {
    HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName(saveFolder).c_str());
    if (event == nullptr) return false;
    // Windows lets a window come to the front only with the consent of the one in front: ours.
    ::AllowSetForegroundWindow(ASFW_ANY);
    const bool asked = ::SetEvent(event) != 0;
    ::CloseHandle(event);
    return asked;
}

}  // namespace zupel
