#include "textfield.h"

#include <limits>

namespace runtime {

TextField::TextField(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    // Any text at all may be typed: the program reads only its numeric prefix.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

} // namespace runtime
