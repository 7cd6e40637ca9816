#include <QGuiApplication>
#include <QSessionManager>

#include "end_signals.h"

namespace zupel {

// Windows has no end signals; a log-off or a shutdown asks the running program through Qt's
// session manager (WM_QUERYENDSESSION), and WM_ENDSESSION then tells the application to quit.
// The first of the two to arrive ends the game as a close does.
EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    listener_ = std::make_unique<QObject>();  // the connections end with it
    QObject::connect(app, &QGuiApplication::commitDataRequest, listener_.get(),
                     [this] { onSignal_(); });
    QObject::connect(app, &QCoreApplication::aboutToQuit, listener_.get(), [this] { onSignal_(); });
}

EndSignals::~EndSignals() = default;

void EndSignals::drain() {}

}  // namespace zupel
