#include "app/pagestack.h"

QSize PageStack::sizeHint() const
{
    const QWidget* page = currentWidget();
    return page ? page->sizeHint() : QSize(0, 0);
}

QSize PageStack::minimumSizeHint() const
{
    const QWidget* page = currentWidget();
    return page ? page->minimumSizeHint() : QSize(0, 0);
}
