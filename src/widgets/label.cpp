#include "label.h"

#include "polishstyle.h"
#include "widgetstylesheets.h"

Label::Label(const QString& text, const QString& objectName, QWidget* parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
{
    setObjectName(objectName);
    PolishStyle::set(this, WidgetStyleSheets::label);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

Label::Label(QWidget* parent, Qt::WindowFlags flags) : QLabel(parent, flags)
{
    PolishStyle::set(this, WidgetStyleSheets::label);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}
