#pragma once

#include <QWidget>

// The logical operation editor hosted by LogicalOpDialog.
class LogicalOp : public QWidget
{
    Q_OBJECT

public:
    explicit LogicalOp(QWidget* parent = nullptr);

    // Whether the editor may be left; with unapplied edits in the logic
    // table the user is asked first.
    bool requestClose();
};
