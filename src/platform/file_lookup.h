// Finding a file of the game folder by name, as the folder itself spells it: on a file system
// that ignores letter case, "ZUPELHELP.HLP" answers to "zupelhelp.hlp", and the caller can
// still tell the two apart.
#pragma once

#include <QString>

namespace zupel {

// The name on disk of what stands in `folder` under `name`: a file, or a folder, FIFO, socket,
// device or link in its place, which the caller then refuses by name. A hidden entry counts as
// none: "" when there is none. `name` holds no wildcards.
QString findGameEntry(const QString& folder, const QString& name);

}  // namespace zupel
