#include "applicationsetup.h"

#include "keyrepeat.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Trevane"));
    QApplication::setApplicationVersion(QStringLiteral(TREVANE_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The icon lives in the resources linked into the executable.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trevane.ico")));
    runtime::repeatHeldKeysAsPresses();
}
