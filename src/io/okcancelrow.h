#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

// The right-aligned OK and Cancel buttons of the exchange dialogs, wired to
// accept and reject. The texts are looked up in the dialog's own context.
struct OkCancelRow
{
    QPushButton* ok;
    QPushButton* cancel;
};

OkCancelRow addOkCancelRow(QDialog* dialog, QBoxLayout* layout);
