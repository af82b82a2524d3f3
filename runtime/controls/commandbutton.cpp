#include "commandbutton.h"

namespace runtime {

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

} // namespace runtime
