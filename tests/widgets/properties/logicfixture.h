#pragma once

// Shared by the logic editor tests: long message boxes answered without a
// person, and logic cells of an image set by result number.

#include "parameter/logictable.h"
#include "widgets/longmessagebox.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>

// Every LongMessageBox shown while it lives, answered with OK or Cancel.
class LongBoxAnswers
{
public:
    QStringList captions;
    QStringList texts;
    // Object name of the button that Return would press.
    QStringList defaults;
    bool ok = false;

    LongBoxAnswers()
    {
        LongMessageBox::setAutoAnswer([this](LongMessageBox& box) {
            const QList<QLabel*> labels = box.findChildren<QLabel*>();
            captions << (labels.isEmpty() ? QString() : labels.first()->text());
            texts << box.findChild<QTextEdit*>()->toPlainText();
            QString pressedByReturn;
            for (const QPushButton* button : box.findChildren<QPushButton*>())
                if (button->isDefault())
                    pressedByReturn = button->objectName();
            defaults << pressedByReturn;
            return box.findChild<QPushButton*>(ok ? QStringLiteral("messageBoxOk")
                                                  : QStringLiteral("messageBoxCancel"));
        });
    }
    ~LongBoxAnswers() { LongMessageBox::setAutoAnswer({}); }
};

inline void setOperation(ParameterImage& image, int result, int type, int input1, int input2 = 0)
{
    LogicTable::setType(image, result, qint16(type));
    LogicTable::setInput(image, result, 1, qint16(input1));
    LogicTable::setInput(image, result, 2, qint16(input2));
}
