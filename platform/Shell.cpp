#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

bool Shell::Open(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}
