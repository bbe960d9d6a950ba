// Where the engine's messages to the terminal or the journal come from, so that
// QT_LOGGING_RULES (e.g. "trelvix.netcam.warning=false") can filter them by layer.
#pragma once

#include <QLoggingCategory>

namespace trelvix {

Q_DECLARE_LOGGING_CATEGORY(lcCapture)
Q_DECLARE_LOGGING_CATEGORY(lcRecord)
Q_DECLARE_LOGGING_CATEGORY(lcUpload)
Q_DECLARE_LOGGING_CATEGORY(lcBroadcast)
Q_DECLARE_LOGGING_CATEGORY(lcNetcam)
Q_DECLARE_LOGGING_CATEGORY(lcConfig)
Q_DECLARE_LOGGING_CATEGORY(lcHistory)
Q_DECLARE_LOGGING_CATEGORY(lcNotify)

}  // namespace trelvix
