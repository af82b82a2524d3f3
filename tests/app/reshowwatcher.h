#pragma once

#include <QObject>

class QWidget;

// Watches a window for being shown again after it has closed, which would
// bring a program that the user has closed back on screen.
class ReshowWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ReshowWatcher(QWidget *window);

    bool closed() const { return closed_; }
    bool shownAgain() const { return shownAgain_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool closed_ = false;
    bool shownAgain_ = false;
};
