#include "common/Logging.h"

namespace trelvix {

Q_LOGGING_CATEGORY(lcCapture, "trelvix.capture")
Q_LOGGING_CATEGORY(lcRecord, "trelvix.record")
Q_LOGGING_CATEGORY(lcUpload, "trelvix.upload")
Q_LOGGING_CATEGORY(lcBroadcast, "trelvix.broadcast")
Q_LOGGING_CATEGORY(lcNetcam, "trelvix.netcam")
Q_LOGGING_CATEGORY(lcConfig, "trelvix.config")
Q_LOGGING_CATEGORY(lcHistory, "trelvix.history")
Q_LOGGING_CATEGORY(lcNotify, "trelvix.notify")

}  // namespace trelvix
