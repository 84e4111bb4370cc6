#include "SaveFile.h"

namespace core {

QString readyToCommit(QSaveFile& file) {
    if (file.flush() && file.error() == QFileDevice::NoError)
        return {};
    const QString why = file.errorString();
    file.cancelWriting();
    return why;
}

} // namespace core
