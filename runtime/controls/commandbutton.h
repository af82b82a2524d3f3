#pragma once

#include <QPushButton>

namespace runtime {

// A push button whose label is its caption.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
};

} // namespace runtime
