#pragma once

#include <QObject>

class QWidget;

namespace bench {

// Watches a window until it has first been painted and put on screen, then
// writes one line to standard output: the monotonic time of that moment in
// nanoseconds, the process's resident memory in KiB and the CPU time it has
// used so far in nanoseconds.
class FirstPaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintWatcher(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    QWidget *window_;
    bool painted_ = false;
};

} // namespace bench
