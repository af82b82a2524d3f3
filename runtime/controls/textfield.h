// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>

namespace runtime {

// A one-line text field that reports every key released while it has the
// focus, whatever the key and whether or not the text changed, with two
// exceptions: the repeats of a held key, and a release whose press went to
// another window (the key that dismissed a message box, say) before the
// focus came back here. Text that an input method commits (as a web page's
// keyboard does every character) comes with no key events: its commit counts
// as a key released.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextField(const QString &text, QWidget *parent = nullptr);

signals:
    void keyReleased();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    bool pressSeen_ = true;
};

} // namespace runtime
