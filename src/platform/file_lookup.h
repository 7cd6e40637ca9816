// Finding a file of the game folder by name, as the folder itself spells it: on a file system
// that ignores letter case, "ZUPELHELP.HLP" answers to "zupelhelp.hlp", and the caller can
// still tell the two apart.
#pragma once

#include <QString>

namespace zupel {

// The name on disk of the ordinary file in `folder` that answers to `name` (no folder, no
// hidden file, no device), or "" when there is none. `name` holds no wildcards.
QString findOrdinaryFile(const QString& folder, const QString& name);

}  // namespace zupel
