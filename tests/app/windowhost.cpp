// Runs the real window through a script: the launch velocity, then steps "<lines>:<what>",
// each done at the next event pumping once that many lines are drawn (0: at the start): a
// click on a button named without "cmd", the error box answered, the window closed or quit.
#include "frmmain.h"
#include "picturebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    frmMain window;
    const QStringList args = app.arguments();
    window.findChild<QLineEdit *>("txtLaunchVelocity")->setText(args.value(1));
    window.findChild<QLineEdit *>("txtLaunchAngle")->setText("45");
    const auto run = [&](int lines) {
        for (const QString &step : args.filter(QRegularExpression(QString("^%1:").arg(lines))))
            QTimer::singleShot(0, &window, [&, what = step.section(':', 1)] {
                if (what == "close") // as from the window manager
                    window.windowHandle()->close();
                else if (what == "quit")
                    QTest::keyClick(window.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
                else if (QWidget *box = QApplication::activeModalWidget(); what == "answer" && box)
                    QTest::keyClick(box, Qt::Key_Return);
                else // a button; an answer with no box up finds none, and fails
                    QTest::mouseClick(window.findChild<QWidget *>("cmd" + what), Qt::LeftButton);
            });
    };
    QObject::connect(window.findChild<runtime::PictureBox *>("picGraph"),
                     &runtime::PictureBox::lineDrawn, [&, lines = 0]() mutable { run(++lines); });
    window.show();
    QObject::connect(window.windowHandle(), &QWindow::visibleChanged, [&, shut = false]() mutable {
        if (shut)
            qFatal("windowhost: the window was shown again after its close");
        if (std::ranges::count(window.findChildren<QAbstractButton *>(), "Stop Plotting",
                               &QAbstractButton::text) != args.filter(":Launch").size())
            qFatal("windowhost: not every launch button clicked showed a flight at the close");
        shut = true;
    });
    run(0);
    return QApplication::exec();
}
