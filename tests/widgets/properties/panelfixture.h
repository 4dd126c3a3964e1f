#pragma once

// Shared by the panel tests: a loaded parameter set, the byte ranges in
// which two images differ, and message boxes answered without a person.

#include "defaultimage.h"
#include "parameter/parameter.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/msgbox.h"
#include "widgets/submenutable.h"

#include <QAbstractButton>
#include <QColor>
#include <QCoreApplication>
#include <QPair>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <QVector>

// Text colours of an item table's rows: edited, applied but not written, equal.
const QColor changedColour(30, 144, 255);
const QColor updatedColour(255, 165, 0);
const QColor plainColour(228, 228, 228);

inline QColor rowColour(const SubMenuTable* table, int row)
{
    return table->table()->item(row, 0)->foreground().color();
}

// The English texts, so that the tests read what a user reads.
inline bool installEnglish()
{
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral(":/config/i18n/en.qm"));
    return loaded && QCoreApplication::installTranslator(&english);
}

// The set shipped as default.txt, read once.
inline ParameterImage defaultImage()
{
    static const ParameterImage image = [] {
        ParameterImage read;
        readDefaultImage(read);
        return read;
    }();
    return image;
}

// Apply (0) or Cancel (1) of a panel's bar; panels may have buttons of
// their own before it.
inline QPushButton* barButton(const QWidget* panel, int index)
{
    if (index == 0)
        return panel->findChild<ButtonPrimary*>();
    return index == 1 ? panel->findChild<ButtonSecondary*>() : nullptr;
}

// A button of a panel by its text.
inline QPushButton* buttonWithText(const QWidget* panel, const QString& text)
{
    for (QPushButton* button : panel->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Makes the image the master, applied and edit data, as a read does.
inline void loadMaster(Parameter* store, const ParameterImage& image)
{
    store->editImage() = image;
    store->setMasterData(true);
}

using ByteRanges = QVector<QPair<int, int>>; // [begin, end)

// Where two images differ, as runs of bytes.
inline ByteRanges differingRanges(const ParameterImage& a, const ParameterImage& b)
{
    ByteRanges ranges;
    for (int i = 0; i < ParameterImage::Size; ++i) {
        if (a.data()[i] == b.data()[i])
            continue;
        if (!ranges.isEmpty() && ranges.last().second == i)
            ranges.last().second = i + 1;
        else
            ranges.append({i, i + 1});
    }
    return ranges;
}

// Whether every differing byte lies in one of the allowed ranges.
inline bool differsOnlyIn(const ParameterImage& a, const ParameterImage& b,
                          const ByteRanges& allowed)
{
    for (const auto& range : differingRanges(a, b)) {
        bool inside = false;
        for (const auto& ok : allowed)
            inside = inside || (range.first >= ok.first && range.second <= ok.second);
        if (!inside)
            return false;
    }
    return true;
}

// Every MsgBox shown while it lives: the leave-the-page question takes the
// next answer (Yes when none is left); other boxes are closed with OK.
class BoxAnswers
{
public:
    QStringList titles;
    QStringList texts;
    QList<bool> answers;

    BoxAnswers()
    {
        MsgBox::setAutoAnswer([this](QMessageBox& box) -> QAbstractButton* {
            titles << box.windowTitle();
            texts << box.text();
            QAbstractButton* yes = nullptr;
            QAbstractButton* no = nullptr;
            for (QAbstractButton* button : box.buttons()) {
                if (box.buttonRole(button) == QMessageBox::YesRole)
                    yes = button;
                if (box.buttonRole(button) == QMessageBox::NoRole)
                    no = button;
            }
            if (yes && no)
                return answers.isEmpty() || answers.takeFirst() ? yes : no;
            return box.button(QMessageBox::Ok);
        });
    }
    ~BoxAnswers() { MsgBox::setAutoAnswer(MsgBox::AutoAnswer()); }
};
