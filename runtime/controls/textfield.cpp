#include "textfield.h"

namespace runtime {

// Qt's own limit of 32767 characters stays: a longer text is cut when pasted,
// and a field with millions costs seconds and hundreds of megabytes to lay out.
TextField::TextField(const QString &text, QWidget *parent) : QLineEdit(text, parent) {}

void TextField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

} // namespace runtime
