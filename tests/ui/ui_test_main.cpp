// One QApplication for all widget tests, on the offscreen platform, with the player's settings
// kept in a folder of the test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "ui_fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    zupel::installGameFont();
    QApplication::setFont(zupel::gameFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
