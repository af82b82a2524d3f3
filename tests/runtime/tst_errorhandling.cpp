#include "errorhandling.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

using runtime::RuntimeError;

namespace {

using Handler = std::function<void()>;

// Everything written to the standard error stream while it lives.
class StandardErrorCapture
{
public:
    StandardErrorCapture()
    {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture() { restore(); }
    StandardErrorCapture(const StandardErrorCapture &) = delete;
    StandardErrorCapture &operator=(const StandardErrorCapture &) = delete;

    QString text()
    {
        restore();
        file_.seek(0);
        return QString::fromLocal8Bit(file_.readAll());
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }

    QTemporaryFile file_;
    int saved_ = -1;
};

// Collects what is reported instead of showing it.
class Reports
{
public:
    Reports()
    {
        previous_ = runtime::setErrorReporter([this](const RuntimeError &error) {
            messages.push_back(runtime::errorMessage(error));
        });
    }
    ~Reports() { runtime::setErrorReporter(previous_); }
    Reports(const Reports &) = delete;
    Reports &operator=(const Reports &) = delete;

    std::vector<QString> messages;

private:
    runtime::ErrorReporter previous_;
};

} // namespace

Q_DECLARE_METATYPE(Handler)

class TestErrorHandling : public QObject
{
    Q_OBJECT

private slots:
    void reportsWhatAbandonsTheHandler_data()
    {
        QTest::addColumn<Handler>("handler");
        QTest::addColumn<QString>("message");
        QTest::newRow("overflow") << Handler([] { throw RuntimeError::overflow(); })
                                  << "Run-time error '6': Overflow";
        QTest::newRow("division by zero") << Handler([] { throw RuntimeError::divisionByZero(); })
                                          << "Run-time error '11': Division by zero";
        QTest::newRow("out of memory")
            << Handler([] { throw std::bad_alloc(); }) << "Run-time error '7': Out of memory";
        QTest::newRow("any other failure") << Handler([] { throw std::logic_error("no such box"); })
                                           << "Run-time error '51': Internal error: no such box";
    }

    void reportsWhatAbandonsTheHandler()
    {
        QFETCH(Handler, handler);
        QFETCH(QString, message);
        Reports reports;
        bool finished = false;
        runtime::runHandler([&] {
            handler();
            finished = true;
        });
        QVERIFY(!finished);
        QCOMPARE(reports.messages, std::vector<QString>{message});
    }

    void aHandlerThatSucceedsReportsNothing()
    {
        Reports reports;
        int runs = 0;
        runtime::runHandler([&] { ++runs; });
        QCOMPARE(runs, 1);
        QVERIFY(reports.messages.empty());
    }

    void aFailingReporterDoesNotEscape()
    {
        const runtime::ErrorReporter previous = runtime::setErrorReporter(
            [](const RuntimeError &) { throw std::runtime_error("the reporter failed"); });
        StandardErrorCapture standardError;
        runtime::runHandler([] { throw RuntimeError::overflow(); });
        QCOMPARE(standardError.text(), QStringLiteral("Trevane: Overflow\n"));
        runtime::setErrorReporter(previous);
    }

    void withoutAWindowTheErrorGoesToStandardError()
    {
        StandardErrorCapture standardError;
        runtime::showErrorBox(RuntimeError::overflow());
        QCOMPARE(standardError.text(), QStringLiteral("Trevane: Run-time error '6': Overflow\n"));
    }

    void clearingTheReporterRestoresTheDefault()
    {
        runtime::setErrorReporter([](const RuntimeError &) {});
        runtime::setErrorReporter(nullptr);
        StandardErrorCapture standardError;
        runtime::runHandler([] { throw RuntimeError::divisionByZero(); });
        QCOMPARE(standardError.text(),
                 QStringLiteral("Trevane: Run-time error '11': Division by zero\n"));
    }

    // The queued check runs inside the box's own event loop, while it is up.
    void withAWindowTheErrorIsShownInABox()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int boxes = 0;
        QMetaObject::invokeMethod(
            &window,
            [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                ++boxes;
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                QTest::keyClick(box, Qt::Key_Return);
            },
            Qt::QueuedConnection);
        runtime::runHandler([] { throw RuntimeError::overflow(); });
        QCOMPARE(boxes, 1);
        QCOMPARE(title, QStringLiteral("Trevane"));
        QCOMPARE(text, QStringLiteral("Run-time error '6': Overflow"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestErrorHandling)
#include "tst_errorhandling.moc"
