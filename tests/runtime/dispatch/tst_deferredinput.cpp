// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "deferredinput.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

using namespace runtime;

namespace {

// A window of two fields, the first focused, as a page's window is when
// the browser's input comes.
struct TwoFields
{
    QWidget window;
    QLineEdit *first = new QLineEdit(&window);
    QLineEdit *second = new QLineEdit(&window);

    TwoFields()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        first->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void click(QLineEdit *field)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          field->mapTo(&window, field->rect().center()));
    }
};

// Typed text as the browser's input context hands it over.
void commit(const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(QApplication::focusObject(), &event);
}

} // namespace

class TestDeferredInput : public QObject
{
    Q_OBJECT

private slots:
    // A click and typed text that come while the program waits reach the
    // fields only once it has its turn back, in their order: the text goes
    // to the field the click chose.
    void heldUntilDelivered()
    {
        int queued = 0;
        DeferredInput input([&] { ++queued; });
        TwoFields fields;
        {
            const DeferredInput::Suspension suspension(input);
            fields.click(fields.second);
            commit(QStringLiteral("100"));
            QCOMPARE(fields.first->text(), QString());
            QVERIFY(fields.first->hasFocus());
        }
        QVERIFY(queued >= 3);
        input.deliver();
        QVERIFY(fields.second->hasFocus());
        QCOMPARE(fields.second->text(), QStringLiteral("100"));
        QCOMPARE(fields.first->text(), QString());
    }

    // Between waits, input goes straight to its widget.
    void passedOnWhenNotWaiting()
    {
        int queued = 0;
        DeferredInput input([&] { ++queued; });
        TwoFields fields;
        fields.click(fields.second);
        commit(QStringLiteral("45"));
        QCOMPARE(fields.second->text(), QStringLiteral("45"));
        QCOMPARE(queued, 0);
    }

    // Input held behind a click that opens a dialog is handed on from the
    // dialog's own loop, as the desktop's queue would be: a click on the
    // window behind it then is dropped, not kept for when the dialog closes.
    void dialogTakesTheRest()
    {
        DeferredInput input([] {});
        TwoFields fields;
        auto *open = new QPushButton(QStringLiteral("Open"), &fields.window);
        fields.window.layout()->addWidget(open);
        open->setFocusPolicy(Qt::NoFocus);
        open->show();
        fields.window.layout()->activate();
        bool opened = false;
        QObject::connect(open, &QPushButton::pressed, &fields.window, [&] {
            QDialog dialog(&fields.window);
            dialog.setModal(true);
            dialog.show();
            QCoreApplication::processEvents();
            opened = true;
        });
        {
            const DeferredInput::Suspension suspension(input);
            QTest::mouseClick(fields.window.windowHandle(), Qt::LeftButton, {},
                              open->mapTo(&fields.window, open->rect().center()));
            fields.click(fields.second);
        }
        input.deliver();
        QVERIFY(opened);
        QCOMPARE(fields.window.focusWidget(), fields.first);
    }

    // Input for a window closed meanwhile is dropped.
    void windowGoneMeanwhile()
    {
        DeferredInput input([] {});
        auto fields = std::make_unique<TwoFields>();
        {
            const DeferredInput::Suspension suspension(input);
            fields->click(fields->second);
        }
        fields.reset();
        input.deliver();
    }
};

QTEST_MAIN(TestDeferredInput)
#include "tst_deferredinput.moc"
