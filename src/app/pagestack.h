#pragma once

#include <QStackedWidget>

// The property pane's stack of panels. Its size hints are those of the page
// shown: a plain stack asks every page, and the window's first layout would
// style and measure all eighteen panels although only one is ever in view;
// each hidden page is measured when it is shown.
class PageStack : public QStackedWidget
{
    Q_OBJECT

public:
    using QStackedWidget::QStackedWidget;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
