#pragma once

#include <QDialog>

// Small box "Writing parameters..." shown, centred on its parent, from
// construction until it is destroyed. Without a parent it is centred on the
// primary screen.
class WaitDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WaitDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
};
