#pragma once

#include <QLineEdit>

namespace runtime {

// A one-line text field that reports every key released while it has the
// focus, whatever the key and whether or not the text changed.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextField(const QString &text, QWidget *parent = nullptr);

signals:
    void keyReleased();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
};

} // namespace runtime
