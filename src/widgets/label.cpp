#include "label.h"

#include "widgetstylesheets.h"

Label::Label(const QString& text, const QString& objectName, QWidget* parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
{
    setObjectName(objectName);
    setStyleSheet(WidgetStyleSheets::label);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

Label::Label(QWidget* parent, Qt::WindowFlags flags) : QLabel(parent, flags)
{
    setStyleSheet(WidgetStyleSheets::label);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}
