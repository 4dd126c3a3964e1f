#include "okcancelrow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

OkCancelRow addOkCancelRow(QDialog* dialog, QBoxLayout* layout)
{
    const char* context = dialog->metaObject()->className();
    auto* row = new QHBoxLayout;
    row->addStretch();
    OkCancelRow buttons{new QPushButton(QCoreApplication::translate(context, "OK"), dialog),
                        new QPushButton(QCoreApplication::translate(context, "Cancel"), dialog)};
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    layout->addLayout(row);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}
