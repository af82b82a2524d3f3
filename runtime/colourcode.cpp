#include "colourcode.h"

#include <QPalette>

namespace runtime {

namespace {

QPalette::ColorRole systemColourRole(unsigned index)
{
    switch (index) {
    case 5: // window background
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor colourFromCode(ColourCode code, const QPalette &palette)
{
    if (code & 0x80000000u)
        return palette.color(systemColourRole(code & 0xFFu));
    return QColor(int(code & 0xFF), int((code >> 8) & 0xFF), int((code >> 16) & 0xFF));
}

} // namespace runtime
