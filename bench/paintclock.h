#pragma once

#include <QObject>

class QWidget;

namespace bench {

// The moment a widget was last painted, on the monotonic clock.
class PaintClock : public QObject
{
public:
    explicit PaintClock(QWidget *widget);

    qint64 lastPaint() const { return lastPaint_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint64 lastPaint_ = 0;
};

} // namespace bench
