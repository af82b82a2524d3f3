// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPushButton>

namespace runtime {

// A push button whose label is its caption. Space, Return and keypad Enter
// click it once while it has the focus, however long the key is held.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace runtime
