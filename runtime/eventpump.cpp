#include "eventpump.h"

#include <QCoreApplication>

namespace runtime {

void pumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace runtime
