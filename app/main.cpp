#include "frmmain.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevane"));
    QApplication::setApplicationVersion(QStringLiteral(TREVANE_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trevane.ico")));

    frmMain window;
    window.show();
    return QApplication::exec();
}
