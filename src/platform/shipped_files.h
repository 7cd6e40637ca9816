// The files the game ships beside its program: its wave sounds and its help. A Windows player
// who opens the zip in Explorer and starts zupel.exe from there runs the program alone, from a
// temporary folder, without them, and the game tells them to unzip the whole folder first. On
// Linux the build and the package always lay them out, and a file left out is only missed.
#pragma once

#include <QString>

namespace zupel {

// Whether the program in `folder` stands without its help or without any of its sounds
// (shipped_files.cpp on Linux, shipped_files_windows.cpp on Windows).
bool shippedFilesMissing(const QString& folder);

}  // namespace zupel
