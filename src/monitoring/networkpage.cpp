#include "monitoring/networkpage.h"

#include "app/core/interfaceutilities.h"
#include "monitoring/monitoringstylesheet.h"
#include "widgets/polishstyle.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

void setupNetworkPage(QWidget* page, const char* objectName)
{
    page->setObjectName(QLatin1String(objectName));
    PolishStyle::set(page, monitoringStyleSheetText());
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), page, nullptr, nullptr,
                                 Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, SIGNAL(activated()), page, SIGNAL(exitRequest()));
}

QLineEdit* createValueField(QWidget* parent, int count, char character)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::ClickFocus);
    setFixedWidthInChars(field, count, character);
    return field;
}

QGridLayout* createNetworkGrid(QWidget* page, const QMargins& margins)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(margins);
    grid->setHorizontalSpacing(15);
    grid->setColumnMinimumWidth(4, 5);
    for (int column = 0; column < 6; ++column)
        grid->setColumnStretch(column, 0);
    grid->setColumnStretch(6, 1);
    return grid;
}
